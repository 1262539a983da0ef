#include "platform/ProgramPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

bool HoldsBundledData(const QString& folder) {
    const QDir dir(folder);
    return dir.exists("Pics") && dir.exists("Langs") && dir.exists("Spreads");
}

}  // namespace

ProgramPlaces::ProgramPlaces() = default;
ProgramPlaces::ProgramPlaces(ProgramPlaces&&) noexcept = default;
ProgramPlaces& ProgramPlaces::operator=(ProgramPlaces&&) noexcept = default;
ProgramPlaces::~ProgramPlaces() = default;

ProgramPlaces ProgramPlaces::Portable(const QString& appDir) {
    ProgramPlaces places;
    places.bundled_ = places.user_ = places.plugins_ = appDir;
    places.cache_ = appDir + "/Cache";
    places.exports_ = appDir + "/Temp";
    return places;
}

QString ProgramPlaces::ProgramPlugin(const QString& name) {
    return ForProgram(QCoreApplication::applicationDirPath()).Plugins() + "/" + name;
}

ProgramPlaces ProgramPlaces::ForProgram(const QString& programDir) {
    const QString share = QDir::cleanPath(programDir + "/../share/lumenfold");
    if (HoldsBundledData(programDir) || !QFileInfo(share).isDir()) return Portable(programDir);
    ProgramPlaces places;
    places.installed_ = true;
    places.bundled_ = share;
    places.plugins_ = QDir::cleanPath(programDir + "/../lib/lumenfold");
    places.user_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    places.cache_ = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return places;
}

QString ProgramPlaces::ExportDir() {
    if (!installed_) return exports_;
    if (!temporary_)
        temporary_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/lumenfold-XXXXXX");
    return temporary_->isValid() ? temporary_->path() : QString();
}
