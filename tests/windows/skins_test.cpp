// The skins as the program sees them: embedded resources at their layout sizes, the pressed
// looks under the buttons, the time digits on disk, and a generator that repeats itself.

#include "skins/SkinWindows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QImage resource(std::string_view name)
{
    return QImage(":/skins/" + qs(name) + ".png");
}

const QString dataDir = QStringLiteral(SONAVEL_BUILD_DATA_DIR);
QString generatorPath()
{
    return QDir(dataDir + "/../src/skins").absoluteFilePath("sonavel_skingen");
}

QRect placeOn(const skins::SkinWindow& w, std::string_view name)
{
    const forms::Layout* r = skins::findRow(w, name);
    return r ? QRect(skins::px(r->Left), skins::px(r->Top), skins::px(r->Width), skins::px(r->Height))
             : QRect();
}

const skins::SkinWindow& window(std::string_view prefix)
{
    for (const auto& w : skins::skinWindows())
        if (w.prefix == prefix) return w;
    throw std::runtime_error("no window " + std::string(prefix));
}

long luminance(const QImage& image, const QRect& r)
{
    long sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += 3 * qRed(p) + 6 * qGreen(p) + qBlue(p);
        }
    return sum / std::max(1, r.width() * r.height());
}

bool isBlack(QRgb p)
{
    return (p & 0xffffff) == 0;
}
bool isPureRed(QRgb p)
{
    return (p & 0xffffff) == 0xff0000;
}
bool isPureBlue(QRgb p)
{
    return (p & 0xffffff) == 0x0000ff;
}

} // namespace

TEST(Skins, EveryPictureOfEveryLayoutIsEmbeddedAtItsSize)
{
    int checked = 0;
    for (const auto& w : skins::skinWindows())
        for (const auto& row : w.rows) {
            if (row.Picture.empty()) continue;
            const QImage image = resource(row.Picture);
            ASSERT_FALSE(image.isNull()) << row.Picture;
            EXPECT_EQ(image.size(), QSize(skins::px(row.Width), skins::px(row.Height))) << row.Picture;
            EXPECT_FALSE(image.hasAlphaChannel()) << row.Picture;
            ++checked;
        }
    EXPECT_GT(checked, 50);
}

TEST(Skins, BackgroundsAndIconHaveTheirPixelSizes)
{
    const std::map<std::string_view, QSize> sizes = {
        {"player", {370, 186}},  {"playlist", {368, 234}}, {"shade", {158, 12}},
        {"decoder", {339, 150}}, {"encoder", {339, 150}},
    };
    for (const auto& [prefix, size] : sizes) {
        const auto& w = window(prefix);
        ASSERT_FALSE(w.form->Picture.empty()) << prefix;
        const QImage image = resource(w.form->Picture);
        EXPECT_EQ(image.size(), size) << prefix;
        EXPECT_FALSE(image.hasAlphaChannel()) << prefix;
    }
    EXPECT_EQ(resource(skins::IconResource).size(), QSize(32, 32));
    EXPECT_EQ(resource(window("player").form->Icon).size(), QSize(32, 32));
}

// While a button's image is hidden the background shows through: a darker look of the same
// button on the main and playlist windows, plain black at the main window's pause place.
TEST(Skins, BackgroundCarriesADarkerPressedLookUnderEachButton)
{
    const std::map<std::string_view, std::vector<std::string_view>> buttons = {
        {"player",
         {"Minimize", "imgClose", "Tools", "ShadeMode", "imgLoad", "Playlist", "imgplay", "imgstop",
          "imgseek2", "imgSeek1", "shuffle1", "imgVolumeDown", "imgVolumeUp"}},
        {"playlist", {"imgSave", "imgClear", "imgLoad", "add1", "Delete1", "Minimize", "pclose"}},
    };
    for (const auto& [prefix, names] : buttons) {
        const auto& w = window(prefix);
        const QImage background = resource(w.form->Picture);
        for (auto name : names) {
            const QRect place = placeOn(w, name);
            ASSERT_FALSE(place.isEmpty()) << name;
            const QImage own = resource(skins::findRow(w, name)->Picture);
            const QImage under = background.copy(place);
            EXPECT_NE(under.convertToFormat(QImage::Format_RGB32), own.convertToFormat(QImage::Format_RGB32))
                << prefix << "/" << name;
            EXPECT_LT(luminance(background, place), luminance(own, own.rect())) << prefix << "/" << name;
        }
    }
    const auto& player = window("player");
    const QImage background = resource(player.form->Picture);
    const QRect pause = placeOn(player, "imgpause");
    for (int y = pause.top(); y <= pause.bottom(); ++y)
        for (int x = pause.left(); x <= pause.right(); ++x)
            ASSERT_TRUE(isBlack(background.pixel(x, y))) << x << "," << y;
}

TEST(Skins, SecondLooksDifferFromTheirButtons)
{
    const std::vector<std::pair<std::string_view, std::string_view>> pairs = {
        {"player/imgpause", "player/imgPauseP"}, {"player/shuffle1", "player/Shuffle2"},
        {"shade/PauseS", "shade/PauseS2"},       {"decoder/picMp3", "decoder/picMp3b"},
        {"decoder/picWav", "decoder/picWav2"},   {"decoder/picDecode", "decoder/picDecode2"},
        {"encoder/wav1", "encoder/wav2"},        {"encoder/mp31", "encoder/mp32"},
        {"encoder/encode1", "encoder/encode2"},
    };
    for (const auto& [first, second] : pairs) {
        const QImage a = resource(first);
        const QImage b = resource(second);
        ASSERT_FALSE(a.isNull() || b.isNull()) << first;
        EXPECT_EQ(a.size(), b.size()) << first;
        EXPECT_NE(a, b) << first;
    }
}

// The strip: a grey frame, three black panels, and under each red glyph the same glyph in
// pure blue.
TEST(Skins, CompactStripPanelsAndBlueGlyphsSitUnderTheRedButtons)
{
    const auto& shade = window("shade");
    const QImage background = resource(shade.form->Picture);
    ASSERT_EQ(background.size(), QSize(158, 12));
    const QRect panels[] = {QRect(QPoint(1, 1), QPoint(48, 10)), QRect(QPoint(54, 2), QPoint(119, 9)),
                            QRect(QPoint(126, 2), QPoint(155, 9))};
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 158; ++x) {
            const QRgb p = background.pixel(x, y);
            const bool inPanel = std::any_of(std::begin(panels), std::end(panels),
                                             [&](const QRect& r) { return r.contains(x, y); });
            if (inPanel) {
                ASSERT_TRUE(isBlack(p) || (isPureBlue(p) && x >= 54)) << x << "," << y;
            } else {
                ASSERT_FALSE(isBlack(p)) << x << "," << y;
                ASSERT_LT(std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}),
                          32)
                    << "frame not grey at " << x << "," << y;
            }
        }

    for (auto name :
         {"PlayS", "PauseS", "StopS", "PreviousS", "NextS", "LoadS", "shadeshade", "shadeClose"}) {
        const QRect place = placeOn(shade, name);
        const QImage own = resource(skins::findRow(shade, name)->Picture);
        ASSERT_EQ(own.size(), place.size()) << name;
        int red = 0;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x) {
                const QRgb p = own.pixel(x, y);
                const QRgb under = background.pixel(place.left() + x, place.top() + y);
                ASSERT_TRUE(isBlack(p) || isPureRed(p)) << name;
                red += isPureRed(p);
                EXPECT_EQ(isPureRed(p), isPureBlue(under)) << name << " at " << x << "," << y;
            }
        EXPECT_GT(red, 0) << name;
    }
    // The paused look is the skin's own blue glyph.
    const QRect pause = placeOn(shade, "PauseS2");
    EXPECT_EQ(resource("shade/PauseS2").convertToFormat(QImage::Format_RGB32),
              background.copy(pause).convertToFormat(QImage::Format_RGB32));
}

TEST(Skins, TimeDigitsAreRedOnBlack24BitBitmapsOfOneSize)
{
    std::vector<QImage> digits;
    for (int d = 0; d < 10; ++d) {
        QFile file(dataDir + QString("/time/0%1.bmp").arg(d));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(quint8(bytes[28]) | quint8(bytes[29]) << 8, 24) << "bits per pixel of digit " << d;
        EXPECT_EQ(bytes.mid(30, 4), QByteArray(4, '\0')) << "compression of digit " << d;
        const QImage image = QImage::fromData(bytes, "BMP");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(skins::DigitWidth, skins::DigitHeight));
        EXPECT_TRUE(isBlack(image.pixel(image.width() - 1, image.height() - 1)));
        int lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                EXPECT_GE(qRed(p), std::max(qGreen(p), qBlue(p)));
                lit += qRed(p) > 200;
            }
        EXPECT_GE(lit, 6) << "digit " << d;
        for (const QImage& other : digits)
            EXPECT_NE(image, other) << "digit " << d;
        digits.push_back(image);
    }
}

namespace
{

std::map<QString, QByteArray> runGenerator(const QString& out)
{
    QProcess gen;
    gen.start(generatorPath(), {out + "/skins", out + "/data"});
    EXPECT_TRUE(gen.waitForFinished(60000));
    EXPECT_EQ(gen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gen.exitCode(), 0);
    // It names any picture that it had no artwork for.
    EXPECT_EQ(gen.readAllStandardError(), QByteArray());
    std::map<QString, QByteArray> files;
    QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files[QDir(out).relativeFilePath(f.fileName())] = f.readAll();
    }
    return files;
}

} // namespace

TEST(Skins, GeneratorWritesTheSameBytesEveryRunAndTheBuildEmbedsThem)
{
    ASSERT_TRUE(QFile::exists(generatorPath())) << generatorPath().toStdString();
    QTemporaryDir first, second;
    const auto a = runGenerator(first.path());
    const auto b = runGenerator(second.path());
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, b);
    EXPECT_TRUE(a.count("skins/skins.qrc"));
    EXPECT_TRUE(a.count("data/time/09.bmp"));
    for (const auto& [path, bytes] : a) {
        if (path.startsWith("skins/") && path.endsWith(".png")) {
            QFile embedded(":/" + path);
            ASSERT_TRUE(embedded.open(QIODevice::ReadOnly)) << path.toStdString();
            EXPECT_EQ(embedded.readAll(), bytes) << path.toStdString();
        }
    }
}
