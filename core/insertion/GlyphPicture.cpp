#include "core/insertion/GlyphPicture.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace glyph {

namespace {

// A math font first: it has the operators, arrows and large symbols; the
// others fill in what it lacks.
const QStringList& pictureFamilies()
{
    static const QStringList families{"DejaVu Math TeX Gyre", "Latin Modern Math", "DejaVu Serif", "DejaVu Sans",
                                      "IPAexMincho"};
    return families;
}

QFont pictureFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies(pictureFamilies());
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The outline of a text, and the point that should land on the picture's
// centre: the middle of the x-height, where operators and dots sit, so that a
// small "·" stays small and in the middle and "_" stays low.
struct Shape {
    QPainterPath path;
    QPointF centre;
};

Shape textShape(const QString& text, qreal pixelSize)
{
    const QFont font = pictureFont(pixelSize);
    Shape s;
    s.path.addText(0, 0, font, text);
    const QFontMetricsF metrics(font);
    const QRectF ink = s.path.boundingRect();
    s.centre = QPointF(ink.isEmpty() ? metrics.horizontalAdvance(text) / 2 : ink.center().x(), -metrics.xHeight() / 2);
    return s;
}

// base with mark stretched to its width, above (over) or below it.
Shape decorated(const QString& base, const QString& mark, bool over, int size)
{
    Shape s = textShape(base, size * 0.5);
    const QRectF baseInk = s.path.boundingRect();
    QPainterPath markPath;
    markPath.addText(0, 0, pictureFont(size * 0.5), mark);
    const QRectF markInk = markPath.boundingRect();
    if (markInk.isEmpty() || baseInk.isEmpty()) return s;
    const qreal height = qMax(markInk.height(), size * 0.12);
    const qreal gap = size * 0.06;
    const QRectF target(baseInk.left(), over ? baseInk.top() - gap - height : baseInk.bottom() + gap, baseInk.width(),
                        height);
    QTransform t;
    t.translate(target.left(), target.top());
    t.scale(target.width() / markInk.width(), height / markInk.height());
    t.translate(-markInk.left(), -markInk.top());
    s.path.addPath(t.map(markPath));
    s.centre = s.path.boundingRect().center();
    return s;
}

Shape shapeOf(const QString& description, int size)
{
    const int n = int(description.size());
    if (n >= 3 && (description[n - 2] == u'^' || description[n - 2] == u'_'))
        return decorated(description.left(n - 2), description.right(1), description[n - 2] == u'^', size);
    return textShape(description, size * 0.7);
}

QPixmap draw(const QString& description, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = qMax(1.0, size / 12.0);
    const QRectF box = QRectF(pixmap.rect()).adjusted(margin, margin, -margin, -margin);
    if (description.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(size / 8.0, size / 8.0, -size / 8.0, -size / 8.0));
        return pixmap;
    }
    const Shape shape = shapeOf(description, size);
    const QRectF ink = shape.path.boundingRect();
    QTransform t;
    const QPointF centred = box.center() - shape.centre;
    if (box.contains(ink.translated(centred))) {
        t.translate(centred.x(), centred.y());
    } else {
        // Too big to stand on its centre line: shrink it into the box.
        const qreal scale = qMin(1.0, qMin(box.width() / ink.width(), box.height() / ink.height()));
        t.translate(box.center().x(), box.center().y());
        t.scale(scale, scale);
        t.translate(-ink.center().x(), -ink.center().y());
    }
    painter.fillPath(t.map(shape.path), Qt::black);
    return pixmap;
}

}  // namespace

QPixmap pixmap(const QString& description, int size)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QString::number(size) + u'\x1f' + description;
    auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    const QPixmap drawn = draw(description, size);
    cache.insert(key, drawn);
    return drawn;
}

namespace {

// An icon that draws its picture the first time it is shown.  A family's
// pop-up holds dozens of pictures, most of which are never looked at; none
// is drawn while the window is being built.
class LazyPictureEngine final : public QIconEngine {
public:
    LazyPictureEngine(QString description, int size) : description_(std::move(description)), size_(size) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QSize(size_, size_).scaled(size.boundedTo(QSize(size_, size_)), Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return drawn().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(size_, size_)}; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new LazyPictureEngine(*this); }

private:
    LazyPictureEngine(const LazyPictureEngine&) = default;
    const QIcon& drawn()
    {
        if (drawn_.isNull()) drawn_ = QIcon(glyph::pixmap(description_, size_));
        return drawn_;
    }

    QString description_;
    int size_;
    QIcon drawn_;
};

}  // namespace

QIcon picture(const QString& description, int size) { return QIcon(new LazyPictureEngine(description, size)); }

bool drawable(const QString& description)
{
    for (char32_t c : description.toUcs4()) {
        bool found = false;
        for (const QString& family : pictureFamilies()) {
            QFont font(family);
            font.setStyleStrategy(QFont::NoFontMerging);
            const QFontInfo info(font);
            if (info.family() != family) continue;  // not installed
            if (QFontMetrics(font).inFontUcs4(c)) {
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

}  // namespace glyph
