#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// Where the program's files lie. The layout is chosen from what lies beside the program, never
// from permissions:
// - portable: the program's folder holds Pics, Langs and Spreads (the build's AppDir, or a copy
//   of it anywhere). Everything is read and written there: Saved, Spreads, the association
//   file, Temp for export files.
// - installed: the program is PREFIX/bin/tarot beside PREFIX/share/lumenfold. The bundled data
//   is read from PREFIX/share/lumenfold and the plugins from PREFIX/lib/lumenfold; what the
//   user makes goes to the user's data folder, caches to the user's cache folder, and export
//   files to a private temporary folder removed with these places.
class ProgramPlaces {
public:
    ProgramPlaces();
    ProgramPlaces(ProgramPlaces&&) noexcept;
    ProgramPlaces& operator=(ProgramPlaces&&) noexcept;
    ~ProgramPlaces();

    // Everything in appDir.
    static ProgramPlaces Portable(const QString& appDir);
    // The layout of the program whose folder is programDir: installed where programDir holds
    // no data of its own and PREFIX/share/lumenfold lies beside it, else portable.
    static ProgramPlaces ForProgram(const QString& programDir);

    bool Installed() const { return installed_; }
    // Pics, Langs, Spreads, Music and the help pages that come with the program.
    const QString& BundledData() const { return bundled_; }
    // What the user makes: Saved, Spreads and the association file.
    const QString& UserData() const { return user_; }
    // The folder of the plugins.
    const QString& Plugins() const { return plugins_; }
    // The plugin of that name (without "lib" and suffix) of the running program.
    static QString ProgramPlugin(const QString& name);
    // Caches that the program can rebuild.
    const QString& Cache() const { return cache_; }
    // The folder export files are made in: Temp in the portable folder, or the private
    // temporary folder, made on first use (empty when it cannot be made).
    QString ExportDir();

private:
    bool installed_ = false;
    QString bundled_;
    QString user_;
    QString plugins_;
    QString cache_;
    QString exports_;
    std::unique_ptr<QTemporaryDir> temporary_;
};
