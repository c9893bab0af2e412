#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <string>
#include <vector>

namespace skins
{

struct SkinImage {
    std::string name; // resource name without ".png": "player/imgplay"
    QImage image;
};

// Every bitmap named by a window's layout table, each window's background and the icon,
// sorted by name. Pictures that have no art of their own are drawn as blank buttons and
// named in `unknown`.
std::vector<SkinImage> drawSkins(std::vector<std::string>* unknown = nullptr);

// The ten time-display digits, red on black.
std::array<QImage, 10> drawDigits();

QImage drawIcon();

// File contents, the same bytes on every run.
QByteArray pngBytes(const QImage& image);
QByteArray bmpBytes(const QImage& image); // 24 bits a pixel, uncompressed
QByteArray qrcBytes(const std::vector<SkinImage>& images);

} // namespace skins
