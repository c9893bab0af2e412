#include "platform/forms/Internal.h"
#include "platform/forms/PictureData.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QWidget>
#include <QtEndian>
#include <map>

namespace forms
{

namespace
{

std::map<int, std::weak_ptr<const Picture::Data>>& handles()
{
    static std::map<int, std::weak_ptr<const Picture::Data>> table;
    return table;
}

Picture withData(std::shared_ptr<Picture::Data> data)
{
    Picture p;
    static int next = 0;
    data->handle = ++next;
    auto& table = handles();
    std::erase_if(table, [](const auto& entry) { return entry.second.expired(); });
    table[data->handle] = data;
    p.data = std::move(data);
    return p;
}

Picture fromImage(QImage image)
{
    if (image.isNull()) return {};
    auto data = std::make_shared<Picture::Data>();
    data->size = image.size();
    data->decoded = std::move(image);
    return withData(std::move(data));
}

// Draws a picture at its own size from the top left corner.
void paintPicture(QWidget* w, const Picture& picture)
{
    if (picture.empty()) return;
    QPainter painter(w);
    painter.drawImage(QPoint(0, 0), picture.data->image());
}

// A PNG's size from its header. Asked for the size, QImageReader first loads every image format
// plugin to learn whether one of them reads the file: milliseconds at start-up, before the first
// window appears, for pictures that are all PNGs. Anything else still goes through the reader.
QSize pngSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return QImageReader(path).size();
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    return QSize(int(qFromBigEndian<quint32>(bytes + 16)), int(qFromBigEndian<quint32>(bytes + 20)));
}

class ImageWidget : public QWidget
{
  public:
    explicit ImageWidget(const Picture* picture) : picture_(picture) {}

  protected:
    void paintEvent(QPaintEvent*) override { paintPicture(this, *picture_); }

  private:
    const Picture* picture_;
};

} // namespace

namespace detail
{
QImage imageOfHandle(int handle)
{
    auto& table = handles();
    auto it = table.find(handle);
    if (it == table.end()) return {};
    auto data = it->second.lock();
    return data ? data->image() : QImage();
}
} // namespace detail

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;

Picture Picture::fromResource(std::string_view name)
{
    if (name.empty()) return {};
    const QString path = QStringLiteral(":/skins/") + detail::qs(name) + QStringLiteral(".png");
    const QSize size = pngSize(path);
    if (size.isEmpty()) return {};
    auto data = std::make_shared<Picture::Data>();
    data->size = size;
    data->resource = path;
    return withData(std::move(data));
}

bool Picture::empty() const
{
    return !data;
}
int Picture::widthPixels() const
{
    return empty() ? 0 : data->size.width();
}
int Picture::heightPixels() const
{
    return empty() ? 0 : data->size.height();
}
int Picture::Handle() const
{
    return empty() ? 0 : data->handle;
}

Picture LoadPicture(const std::string& path)
{
    if (path.empty()) return {};
    return fromImage(QImage(detail::qs(path)));
}

Image::Image(Container& parent, const Layout& layout) : Control(parent, layout)
{
    attach(new ImageWidget(&picture_), layout);
    setPicture(Picture::fromResource(layout.Picture));
}

void Image::setPicture(const forms::Picture& picture)
{
    picture_ = picture;
    // The control takes its picture's size; without a picture it keeps its own.
    if (!picture_.empty())
        Move(Left(), Top(), picture_.widthPixels() * TwipsPerPixel, picture_.heightPixels() * TwipsPerPixel);
    if (widget()) widget()->update();
}

PictureBox::PictureBox(Container& parent, const Layout& layout)
    : Control(parent, layout), back_(layout.BackColor)
{
    auto* w = new ImageWidget(&picture_);
    attach(w, layout);
    detail::applyColors(w, back_, layout.ForeColor, true);
    setPicture(Picture::fromResource(layout.Picture));
}

QWidget* PictureBox::containerWidget() const
{
    return widget();
}

void PictureBox::setPicture(const forms::Picture& picture)
{
    // The time display sets its digits at every played frame; most are the ones shown.
    if (picture.data == picture_.data) return;
    picture_ = picture;
    if (widget()) widget()->update();
}

void PictureBox::setBackColor(Color color)
{
    back_ = color;
    if (widget()) {
        detail::applyColors(widget(), back_, NoColor, true);
        widget()->update();
    }
}

} // namespace forms
