// Build tool: draws every skin bitmap, the icon and the time digits.
// Usage: sonavel_skingen <skins folder> <data folder>
// Writes <skins folder>/<name>.png and skins.qrc, and <data folder>/time/00.bmp..09.bmp.

#include "skins/SkinSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace
{

// Rewrites a file only when its bytes change, through a temporary file, so a failed run
// never leaves half a file and an unchanged skin keeps its time stamp.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skins folder> <data folder>\n", argv[0]);
        return 2;
    }
    const QString skinsDir = QString::fromLocal8Bit(argv[1]);
    const QString dataDir = QString::fromLocal8Bit(argv[2]);

    std::vector<std::string> unknown;
    const auto images = skins::drawSkins(&unknown);
    for (const auto& name : unknown)
        std::fprintf(stderr, "sonavel_skingen: no artwork for \"%s\", drawn as a blank button\n",
                     name.c_str());

    bool ok = true;
    for (const auto& i : images)
        ok = writeFile(skinsDir + "/" + QString::fromStdString(i.name) + ".png", skins::pngBytes(i.image)) &&
             ok;
    ok = writeFile(skinsDir + "/skins.qrc", skins::qrcBytes(images)) && ok;
    const auto digits = skins::drawDigits();
    for (int d = 0; d < 10; ++d)
        ok = writeFile(dataDir + QString("/time/0%1.bmp").arg(d), skins::bmpBytes(digits[std::size_t(d)])) &&
             ok;
    if (!ok) {
        std::fprintf(stderr, "sonavel_skingen: could not write the skins\n");
        return 1;
    }
    return 0;
}
