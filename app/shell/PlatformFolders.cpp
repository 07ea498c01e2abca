#include "shell/PlatformFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace kirvo {

namespace {

std::string Location(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location).toStdString();
}

}  // namespace

UserFolders PlatformUserFolders()
{
    UserFolders folders;
    folders.home = QDir::homePath().toStdString();
    folders.documents = Location(QStandardPaths::DocumentsLocation);
    folders.pictures = Location(QStandardPaths::PicturesLocation);
    folders.localAppData = Location(QStandardPaths::GenericDataLocation);
    folders.temp = Location(QStandardPaths::TempLocation);
    return folders;
}

}  // namespace kirvo
