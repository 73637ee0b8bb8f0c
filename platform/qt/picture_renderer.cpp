#include "platform/qt/picture_renderer.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>
#include <algorithm>
#include <cmath>

namespace qtplatform {

namespace {

// A lit segment: near black with a trace of the LCD's green, slightly
// translucent, casting a faint shadow on the reflector behind the liquid. An
// unlit segment leaves a fainter trace still: its outline on the glass.
const QColor kLit(14, 22, 20, 226);
const QColor kShadow(24, 38, 30, 42);
const QColor kGhost(30, 46, 36, 30);
constexpr qreal kShadowOffset = 1.0;

const QString kLcdSource = QStringLiteral(":/assets/device/lcd.svg");
const QString kCaseSource = QStringLiteral(":/assets/device/case_front.svg");
const QString kLooksSource = QStringLiteral(":/assets/device/looks.svg");
const QString kBackSource = QStringLiteral(":/assets/device/case_back.svg");
const QString kIconSource = QStringLiteral(":/assets/device/icon.svg");

enum class Kind {
    Front,     // the case with the printed LCD: every segment unlit
    Back,      // the back of the device
    AllClear,  // the LCD with every segment lit
    Look,      // a button's or the logo's look, drawn over the case
    Segment,   // an LCD segment, drawn over the printed LCD
};

std::string nameOf(const std::string& key) {
    return key.substr(0, key.find('('));
}

int indexOf(const std::string& key) {
    const auto open = key.find('(');
    if (open == std::string::npos) return -1;
    try {
        return std::stoi(key.substr(open + 1));
    } catch (const std::exception&) {
        return -1;
    }
}

Kind kindOf(const std::string& key) {
    if (key == "FrontCase") return Kind::Front;
    if (key == "BackCase") return Kind::Back;
    if (key == "ResetScreen") return Kind::AllClear;
    const std::string name = nameOf(key);
    if (name == "Button0" || name == "Button1" || name == "Button2" || name == "VistrelLogo") return Kind::Look;
    return Kind::Segment;
}

QString labelOf(const forms::PictureElement& e) {
    return QString::fromStdString(e.label());
}

QRect toQRect(const forms::Rect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

QSize pixelSize(QSize logical, qreal dpr) {
    return QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr));
}

QImage newLayer(QSize logical, qreal dpr) {
    QImage image(pixelSize(logical, dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

// The same shape in one colour: the colour's alpha times the shape's coverage.
QImage tinted(const QImage& shape, const QColor& colour) {
    QImage out = shape;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(QRect(QPoint(0, 0), out.size()), colour);
    return out;
}

// Draws one drawing of an SVG where the document places it. False when the
// document has no such drawing.
bool drawGroup(QSvgRenderer& svg, QPainter& p, const QString& id) {
    if (!svg.isValid() || !svg.elementExists(id)) return false;
    // Mapping the drawing's own bounds onto themselves keeps it where it is.
    svg.render(&p, id, svg.boundsOnElement(id));
    return true;
}

}  // namespace

struct PictureRenderer::Artwork {
    explicit Artwork(qreal dpr) : dpr(dpr) {}

    QSvgRenderer lcd{kLcdSource};
    QSvgRenderer frontCase{kCaseSource};
    QSvgRenderer looks{kLooksSource};
    QSvgRenderer back{kBackSource};
    qreal dpr;
    QSize deviceSize;
    QHash<QString, QRect> rects;  // element label -> rectangle in client pixels
    QImage caseLayer;             // the case alone
    QImage lcdLayer;              // the case, the printed LCD and every unlit outline
    QImage frontLayer;            // lcdLayer with the buttons and the logo in their normal looks
    QImage litLayer;              // every segment lit, as a shape
    bool ready = false;

    // Where a picture is cut from: the rectangle of the first element that shows it.
    QRect anchorOf(const std::string& key) const {
        const auto places = placesOf(key);
        return places.empty() ? QRect() : rects.value(QString::fromStdString(places.front()));
    }

    // A drawing of the artwork cut at `cut`, transparent around it.
    QImage artAt(QSvgRenderer& svg, const std::string& key, const QRect& cut) {
        QImage image = newLayer(cut.size(), dpr);
        QPainter p(&image);
        p.translate(-cut.topLeft());
        if (!drawGroup(svg, p, artworkId(key))) qWarning("No artwork for picture %s", key.c_str());
        return image;
    }

    // A rectangle of a layer, as a pixmap of the same pixels.
    QPixmap cut(const QImage& layer, const QRect& r) const {
        QPixmap pm(pixelSize(r.size(), dpr));
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(r.size())), layer,
                    QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
        return pm;
    }

    // Adds a shape to a layer of shapes, keeping the larger coverage of each pixel.
    void unite(QImage& layer, const QImage& shape, QPoint at) const {
        const int x0 = qRound(at.x() * dpr), y0 = qRound(at.y() * dpr);
        for (int y = 0; y < shape.height(); ++y) {
            const int ly = y0 + y;
            if (ly < 0 || ly >= layer.height()) continue;
            const QRgb* src = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
            QRgb* dst = reinterpret_cast<QRgb*>(layer.scanLine(ly));
            for (int x = 0; x < shape.width(); ++x) {
                const int lx = x0 + x;
                if (lx < 0 || lx >= layer.width()) continue;
                if (qAlpha(src[x]) > qAlpha(dst[lx])) dst[lx] = src[x];
            }
        }
    }

    static void paintLit(QPainter& p, const QImage& shape, QPointF at) {
        p.drawImage(at + QPointF(kShadowOffset, kShadowOffset), tinted(shape, kShadow));
        p.drawImage(at, tinted(shape, kLit));
    }

    void prepare(const forms::Scene& scene) {
        deviceSize = QSize(scene.width(), scene.height());
        rects.clear();
        for (const forms::PictureElement* e : scene.bottomToTop()) rects.insert(labelOf(*e), toQRect(e->rect()));

        caseLayer = newLayer(deviceSize, dpr);
        {
            QPainter p(&caseLayer);
            if (!drawGroup(frontCase, p, QStringLiteral("Case"))) qWarning("No artwork for the case");
        }

        // Every segment lit, at every place that can show it. A place shows
        // one picture at a time, so the layer is the union of the shapes, not
        // their sum: ten digits drawn at one place must not darken the faint
        // edges they share.
        litLayer = newLayer(deviceSize, dpr);
        for (const forms::Picture* picture : scene.pictures()) {
            if (kindOf(picture->key()) != Kind::Segment) continue;
            const QRect anchor = anchorOf(picture->key());
            if (anchor.isEmpty()) continue;
            for (const std::string& place : placesOf(picture->key())) {
                const QRect r = rects.value(QString::fromStdString(place));
                if (r.isEmpty()) continue;
                unite(litLayer, artAt(lcd, picture->key(), QRect(anchor.topLeft(), r.size())), r.topLeft());
            }
        }

        lcdLayer = caseLayer;
        {
            QPainter p(&lcdLayer);
            if (!drawGroup(lcd, p, QStringLiteral("LcdBackground"))) qWarning("No artwork for the LCD");
            p.drawImage(QPointF(0, 0), tinted(litLayer, kGhost));
        }

        frontLayer = lcdLayer;
        {
            QPainter p(&frontLayer);
            for (const forms::Picture* picture : scene.pictures()) {
                if (kindOf(picture->key()) != Kind::Look || indexOf(picture->key()) != 0) continue;
                const QRect anchor = anchorOf(picture->key());
                if (anchor.isEmpty()) continue;
                const QImage look = artAt(looks, picture->key(), anchor);
                for (const std::string& place : placesOf(picture->key())) {
                    const QRect r = rects.value(QString::fromStdString(place));
                    if (!r.isEmpty()) p.drawImage(r.topLeft(), look);
                }
            }
        }
        ready = true;
    }

    QPixmap render(const forms::Picture& picture) {
        const std::string& key = picture.key();
        const QRect anchor = anchorOf(key);
        if (anchor.size() != QSize(picture.width(), picture.height())) {
            qWarning("Picture %s is %dx%d but is cut from %dx%d", key.c_str(), picture.width(), picture.height(),
                     anchor.width(), anchor.height());
        }
        const QRect r(anchor.topLeft(), QSize(picture.width(), picture.height()));
        switch (kindOf(key)) {
            case Kind::Front: return cut(frontLayer, r);
            case Kind::Back: {
                QImage image = artAt(back, key, r);
                return QPixmap::fromImage(image);
            }
            case Kind::AllClear: {
                QPixmap pm = cut(lcdLayer, r);
                QPainter p(&pm);
                paintLit(p, litLayer, -QPointF(r.topLeft()));
                return pm;
            }
            case Kind::Look: {
                QPixmap pm = cut(caseLayer, r);
                QPainter p(&pm);
                p.drawImage(QPointF(0, 0), artAt(looks, key, r));
                return pm;
            }
            case Kind::Segment: {
                QPixmap pm = cut(lcdLayer, r);
                QPainter p(&pm);
                paintLit(p, artAt(lcd, key, r), QPointF(0, 0));
                return pm;
            }
        }
        return QPixmap();
    }
};

PictureRenderer::PictureRenderer(qreal devicePixelRatio)
    : dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0), art_(std::make_unique<Artwork>(dpr_)) {}

PictureRenderer::~PictureRenderer() = default;

void PictureRenderer::renderAll(const forms::Scene& scene) {
    cache_.clear();
    art_->prepare(scene);
    for (const forms::Picture* p : scene.pictures()) pixmap(*p);
}

const QPixmap& PictureRenderer::pixmap(const forms::Picture& picture) {
    const QString key = QString::fromStdString(picture.key());
    auto it = cache_.find(key);
    if (it != cache_.end()) return *it;
    if (!art_->ready || art_->anchorOf(picture.key()).isEmpty()) {
        // Nowhere to cut it from: a clear picture of the right size, not kept,
        // so that a later renderAll gives the real one.
        QPixmap pm(pixelSize(QSize(picture.width(), picture.height()), dpr_));
        pm.setDevicePixelRatio(dpr_);
        pm.fill(Qt::transparent);
        return *blanks_.insert(key, pm);
    }
    return *cache_.insert(key, art_->render(picture));
}

QIcon PictureRenderer::icon() {
    // Drawn once a run: every window asks for it as it opens, and Qt's pixmap
    // cache would keep the pixmaps of each new drawing apart. Never freed: no
    // pixmap may be destroyed after the application object.
    static const QIcon* const drawn = [] {
        QSvgRenderer svg(kIconSource);
        auto* icon = new QIcon;
        for (int size : {16, 22, 24, 32, 48, 64}) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            svg.render(&p, QRectF(0, 0, size, size));
            p.end();
            icon->addPixmap(QPixmap::fromImage(image));
        }
        return icon;
    }();
    return *drawn;
}

std::vector<std::string> PictureRenderer::placesOf(const std::string& key) {
    const std::string name = nameOf(key);
    const int index = indexOf(key);
    if (name == "Number") return {"HourDigit(1)", "HourDigit(0)", "MinuteDigit(0)", "MinuteDigit(1)"};
    if (name == "Diver" && index >= 0) return {"DiverStep(" + std::to_string(std::min(index / 4 + 1, 5)) + ")"};
    if (name == "OnTheBoat") return {"DiverStep(0)"};
    if (name == "TempArm") return {"Arm"};
    if (name == "TempLegs") return {"Legs"};
    if (name == "Button0") return {"GameAButton", "GameBButton", "TimeButton"};
    if (name == "Button1") return {"LeftButton", "RightButton"};
    if (name == "Button2") return {"AlarmButton", "ACLButton"};
    if (name == "VistrelLogo") return {"Logo"};
    // The back is drawn where it lies once start-up has turned it onto the front.
    if (key == "BackCase") return {"FrontCase"};
    return {key};
}

QString PictureRenderer::artworkId(const std::string& key) {
    QString id = QString::fromStdString(key);
    id.replace(QLatin1Char('('), QLatin1Char('_'));
    id.remove(QLatin1Char(')'));
    return id;
}

}  // namespace qtplatform
