#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "forms/picture.h"
#include "forms/scene.h"

namespace qtplatform {

// Renders the device's pictures from their vector sources, once, at the exact
// pixel size of each picture times the screen's device-pixel ratio.
class PictureRenderer {
public:
    explicit PictureRenderer(qreal devicePixelRatio = 1.0);

    // Renders every picture of the scene (call once at start-up).
    void renderAll(const forms::Scene& scene);
    // The pixmap of a picture; rendered on first use when renderAll missed it.
    const QPixmap& pixmap(const forms::Picture& picture);
    // The program's icon (32 x 32, also the tray's).
    static QIcon icon();

private:
    qreal dpr_;
    QHash<QString, QPixmap> cache_;
};

}  // namespace qtplatform
