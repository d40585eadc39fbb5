#include "files/FileRename.h"

#include <QFile>

#include <filesystem>

namespace {

std::filesystem::path pathOf(const QString& name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

bool failed(const std::error_code& code, QString* error)
{
    if (error)
        *error = QString::fromLocal8Bit(code.message().c_str());
    return false;
}

} // namespace

namespace FileRename {

bool over(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::rename(pathOf(from), pathOf(to), code);
    return !code || failed(code, error);
}

bool keepCopy(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::create_hard_link(pathOf(from), pathOf(to), code);
    if (!code)
        return true;
    code.clear();
    std::filesystem::copy_file(pathOf(from), pathOf(to), code);
    return !code || failed(code, error);
}

} // namespace FileRename
