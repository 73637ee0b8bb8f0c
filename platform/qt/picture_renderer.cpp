#include "platform/qt/picture_renderer.h"

#include <QPainter>

namespace qtplatform {

// Temporary: plain shapes until the artwork lands.
PictureRenderer::PictureRenderer(qreal devicePixelRatio) : dpr_(devicePixelRatio) {}

void PictureRenderer::renderAll(const forms::Scene& scene) {
    for (const forms::Picture* p : scene.pictures()) pixmap(*p);
}

const QPixmap& PictureRenderer::pixmap(const forms::Picture& picture) {
    const QString key = QString::fromStdString(picture.key());
    auto it = cache_.find(key);
    if (it != cache_.end()) return *it;
    QPixmap pm(QSize(picture.width(), picture.height()) * dpr_);
    pm.setDevicePixelRatio(dpr_);
    pm.fill(key == "FrontCase" ? QColor(150, 160, 140) : QColor(40, 40, 40, 200));
    return *cache_.insert(key, pm);
}

QIcon PictureRenderer::icon() {
    QPixmap pm(32, 32);
    pm.fill(QColor(60, 90, 60));
    return QIcon(pm);
}

}  // namespace qtplatform
