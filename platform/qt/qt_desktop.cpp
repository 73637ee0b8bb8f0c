#include "platform/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace qtplatform {

std::string QtFileSystem::programFolder() const {
    if (QCoreApplication::instance() == nullptr) return std::string();
    return QCoreApplication::applicationDirPath().toStdString();
}

forms::EntryKind QtFileSystem::query(const std::string& path) const {
    if (path.empty() || path.find('\0') != std::string::npos) return forms::EntryKind::Missing;
    const QFileInfo info(QString::fromStdString(path));
    if (info.isDir()) return forms::EntryKind::Folder;
    if (info.isFile()) return forms::EntryKind::File;
    return forms::EntryKind::Missing;  // missing, unreadable, or neither
}

void QtShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) return;
    if (url.scheme().isEmpty()) {
        // A web address written without its scheme ("www.example.org/page")
        // is a web page; a path is no link.
        url = QUrl::fromUserInput(text);
        if (url.scheme() != "http" || url.host().isEmpty()) return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != "http" && scheme != "https" && scheme != "mailto") return;
    QDesktopServices::openUrl(url);  // its answer is not looked at
}

forms::Point QtCursor::position() const {
    const QPoint p = QCursor::pos() - shown_.topLeft();
    return forms::Point{p.x(), p.y()};
}

}  // namespace qtplatform
