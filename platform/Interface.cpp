#include "platform/Interface.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace {

// The layouts were drawn for an 8-point system font at 96 pixels per inch: 11 pixels.
constexpr int kInterfacePixels = 11;
constexpr int kCaptionPixels = 12;
// Icon, minimise, maximise and close buttons with the title bar's padding.
constexpr int kTitleBarRoom = 100;

}  // namespace

QString ProgramTitle() { return QStringLiteral("Lumenfold"); }

QFont InterfaceFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kInterfacePixels);
    return font;
}

void SetUpInterface() {
    // The application name is the title of the taskbar button; it is not a display name, which
    // the toolkit would append to every window's caption.
    QApplication::setApplicationName(ProgramTitle());
    QApplication::setFont(InterfaceFont());
}

int CaptionWidthNeeded(const QString& caption) {
    QFont font = InterfaceFont();
    font.setPixelSize(kCaptionPixels);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarRoom;
}
