#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "forms/picture.h"
#include "forms/scene.h"

namespace qtplatform {

// Renders the device's pictures from their vector sources, once, at the exact
// pixel size of each picture times the screen's device-pixel ratio.
//
// The artwork is drawn in the device's own coordinates: each picture is cut
// from the place where the device shows it, so that the LCD's segments line
// up with each other and with the printed LCD. Every picture covers its whole
// rectangle, as the device's pictures do: a segment carries the printed LCD
// and the faint unlit outlines around it, a button look the case around it.
class PictureRenderer {
public:
    explicit PictureRenderer(qreal devicePixelRatio = 1.0);
    ~PictureRenderer();
    PictureRenderer(const PictureRenderer&) = delete;
    PictureRenderer& operator=(const PictureRenderer&) = delete;

    // Renders every picture of the scene (call once at start-up).
    void renderAll(const forms::Scene& scene);
    // The pixmap of a picture; rendered on first use when renderAll missed it.
    // The scene that renderAll was given tells where a picture is cut from;
    // before renderAll a picture renders as a transparent pixmap of its size.
    const QPixmap& pixmap(const forms::Picture& picture);
    // The program's icon (32 x 32, also the tray's; smaller and larger sizes
    // are drawn from the same source).
    static QIcon icon();

    qreal devicePixelRatio() const { return dpr_; }

    // The labels of the elements that show a picture, the first being the one
    // its artwork is drawn at: "Diver(17)" -> {"DiverStep(5)"}, "Number(3)" ->
    // the four digit places, "Button0(1)" -> the GAME A, GAME B, TIME images.
    static std::vector<std::string> placesOf(const std::string& key);
    // The id of a picture's drawing in the artwork: "Number(3)" -> "Number_3".
    static QString artworkId(const std::string& key);

private:
    struct Artwork;

    QPixmap render(const forms::Picture& picture);

    qreal dpr_;
    std::unique_ptr<Artwork> art_;
    QHash<QString, QPixmap> cache_;
    QHash<QString, QPixmap> blanks_;  // pictures asked for before renderAll
};

}  // namespace qtplatform
