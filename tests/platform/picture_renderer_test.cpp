// The device's pictures as the renderer draws them from the artwork: sizes,
// the frames that must repeat, the all-clear screen against the segments it
// stands for, the unlit outlines against the lit segments, and high density.
#include "platform/qt/picture_renderer.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/engine_fixture.h"

namespace {

using qtplatform::PictureRenderer;

// What a screenshot test may rely on: a lit segment pixel is darker than
// kLitBelow; the LCD where nothing is lit (background, printed scenery, unlit
// outlines) is lighter than kUnlitAbove, and so is the faint shadow that a
// lit segment casts beside itself.
constexpr int kLitBelow = 90;
constexpr int kUnlitAbove = 110;

int luminance(QRgb c) {
    return qGray(c);
}

QImage imageOf(const QPixmap& pm) {
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

std::string label(const std::string& name, int index) {
    return name + "(" + std::to_string(index) + ")";
}

// One rendering of a fresh engine's pictures, at single and double density.
class PictureRendererTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rig_ = new fakes::EngineRig;
        single_ = new PictureRenderer(1.0);
        single_->renderAll(scene());
        doubled_ = new PictureRenderer(2.0);
        doubled_->renderAll(scene());
    }
    static void TearDownTestSuite() {
        delete doubled_;
        delete single_;
        delete rig_;
    }

    static const forms::Scene& scene() { return rig_->device.scene(); }
    static const forms::PictureElement& element(const std::string& label) {
        for (const forms::PictureElement* e : scene().bottomToTop())
            if (e->label() == label) return *e;
        ADD_FAILURE() << "no element " << label;
        return *scene().bottomToTop().front();
    }
    static QRect rectOf(const std::string& label) {
        const forms::Rect r = element(label).rect();
        return QRect(r.x, r.y, r.width, r.height);
    }
    static const forms::Picture& picture(const std::string& key) {
        for (const forms::Picture* p : scene().pictures())
            if (p->key() == key) return *p;
        ADD_FAILURE() << "no picture " << key;
        return *scene().pictures().front();
    }
    static QImage single(const std::string& key) { return imageOf(single_->pixmap(picture(key))); }
    static QImage doubled(const std::string& key) { return imageOf(doubled_->pixmap(picture(key))); }

    // The pictures an LCD element can show, by the device's rules: the digit
    // places take any digit, each diver place the frames of its positions
    // (the frame rule), the boat its two pictures, the caught diver's arm and
    // legs their two poses; every other segment its own picture.
    static std::map<std::string, std::vector<std::string>> lcdShows() {
        std::map<std::string, std::vector<std::string>> out;
        for (const char* place : {"HourDigit(0)", "HourDigit(1)", "MinuteDigit(0)", "MinuteDigit(1)"})
            for (int d = 0; d <= 9; ++d) out[place].push_back(label("Number", d));
        for (int p = 1; p <= 8; ++p)
            for (int k = 0; k < 4; ++k)
                out[label("DiverStep", std::min(p, 5))].push_back(label("Diver", (p - 1) * 4 + k));
        out["DiverStep(0)"] = {"OnTheBoat(0)", "OnTheBoat(1)"};
        out["Arm"] = {"TempArm(0)", "TempArm(1)"};
        out["Legs"] = {"TempLegs(0)", "TempLegs(1)"};
        const QRect lcd = rectOf("ResetScreen");
        for (const forms::PictureElement* e : scene().bottomToTop()) {
            if (e->role() == forms::MouseRole::Store || e->label() == "ResetScreen") continue;
            if (!lcd.contains(QRect(e->rect().x, e->rect().y, e->rect().width, e->rect().height))) continue;
            if (out.count(e->label()) == 0 && e->picture() != nullptr) out[e->label()] = {e->picture()->key()};
        }
        return out;
    }

    // Pixels of a picture shown at `at`, in client pixels, that are lit.
    static std::set<std::pair<int, int>> litPixels(const QImage& image, QPoint at) {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (luminance(image.pixel(x, y)) < kLitBelow) out.insert({at.x() + x, at.y() + y});
        return out;
    }

    static fakes::EngineRig* rig_;
    static PictureRenderer* single_;
    static PictureRenderer* doubled_;
};

fakes::EngineRig* PictureRendererTest::rig_ = nullptr;
PictureRenderer* PictureRendererTest::single_ = nullptr;
PictureRenderer* PictureRendererTest::doubled_ = nullptr;

TEST_F(PictureRendererTest, EveryPictureHasItsSizeCoversItAndShowsSomething) {
    const QRect glass(86, 48, 161, 103);
    for (const forms::Picture* p : scene().pictures()) {
        SCOPED_TRACE(p->key());
        const QPixmap& pm = single_->pixmap(*p);
        ASSERT_EQ(pm.size(), QSize(p->width(), p->height()));
        EXPECT_EQ(pm.devicePixelRatio(), 1.0);
        const QImage img = imageOf(pm);
        // Every picture covers its whole rectangle, as the device's do.
        int clear = 0, lit = 0;
        std::set<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(img.pixel(x, y)) != 255) ++clear;
                if (luminance(img.pixel(x, y)) < kLitBelow) ++lit;
                colours.insert(img.pixel(x, y));
            }
        EXPECT_EQ(clear, 0);
        EXPECT_GT(colours.size(), 2u) << "a flat picture";
        const std::string name = p->key().substr(0, p->key().find('('));
        const bool look = name == "Button0" || name == "Button1" || name == "Button2" || name == "VistrelLogo";
        if (p->key() != "FrontCase" && p->key() != "BackCase" && !look) {
            EXPECT_GT(lit, 0) << "no segment lit";
        }
    }
    // The front shows the LCD with nothing lit.
    const QImage front = single("FrontCase");
    for (int y = glass.top(); y <= glass.bottom(); ++y)
        for (int x = glass.left(); x <= glass.right(); ++x)
            ASSERT_GT(luminance(front.pixel(x, y)), kUnlitAbove) << x << "," << y;
    // A pressed look is not the released one.
    for (const char* store : {"Button0", "Button1", "Button2", "VistrelLogo"})
        EXPECT_NE(single(label(store, 0)), single(label(store, 1))) << store;
}

TEST_F(PictureRendererTest, RepeatedDiverFramesAreTheSamePicturesAndTheOthersDiffer) {
    // Sub-step 7 of the grab draws what place 5 draws; at sub-step 8 the
    // treasure is in his hands whatever he carried before.
    for (int i = 16; i <= 19; ++i) EXPECT_EQ(single(label("Diver", i + 8)), single(label("Diver", i))) << i;
    EXPECT_EQ(single("Diver(28)"), single("Diver(30)"));
    EXPECT_EQ(single("Diver(29)"), single("Diver(31)"));
    std::vector<int> distinct;
    for (int i = 0; i < 32; ++i)
        if (!(i >= 24 && i <= 29)) distinct.push_back(i);
    for (size_t a = 0; a < distinct.size(); ++a)
        for (size_t b = a + 1; b < distinct.size(); ++b) {
            const QImage ia = single(label("Diver", distinct[a])), ib = single(label("Diver", distinct[b]));
            if (ia.size() == ib.size()) {
                EXPECT_NE(ia, ib) << distinct[a] << " and " << distinct[b];
            }
        }
    EXPECT_NE(single("OnTheBoat(0)"), single("OnTheBoat(1)"));
    EXPECT_NE(single("TempArm(0)"), single("TempArm(1)"));
    EXPECT_NE(single("TempLegs(0)"), single("TempLegs(1)"));
    for (int d = 1; d <= 9; ++d) EXPECT_NE(single(label("Number", d)), single(label("Number", d - 1))) << d;
}

TEST_F(PictureRendererTest, AllClearLightsExactlyWhatTheSegmentsLight) {
    const QRect screen = rectOf("ResetScreen");
    const std::set<std::pair<int, int>> allClear = litPixels(single("ResetScreen"), screen.topLeft());
    std::set<std::pair<int, int>> segments;
    for (const auto& [place, keys] : lcdShows()) {
        const QPoint at = rectOf(place).topLeft();
        for (const std::string& key : keys) {
            SCOPED_TRACE(key + " at " + place);
            const auto lit = litPixels(single(key), at);
            ASSERT_FALSE(lit.empty());
            int missing = 0;
            for (const auto& px : lit) missing += allClear.count(px) == 0;
            EXPECT_EQ(missing, 0);
            segments.insert(lit.begin(), lit.end());
        }
    }
    int stray = 0;
    for (const auto& px : allClear) stray += segments.count(px) == 0;
    EXPECT_EQ(stray, 0) << "the all-clear screen lights what no segment lights";
}

TEST_F(PictureRendererTest, UnlitOutlinesAreFaintAndLitSegmentsDark) {
    const QRect screen = rectOf("ResetScreen");
    const QImage allClear = single("ResetScreen");
    const QImage front = single("FrontCase");
    long ghostSum = 0, ghostCount = 0, clearSum = 0, clearCount = 0;
    for (int y = 0; y < allClear.height(); ++y)
        for (int x = 0; x < allClear.width(); ++x) {
            const int shown = luminance(allClear.pixel(x, y));
            const int unlit = luminance(front.pixel(screen.x() + x, screen.y() + y));
            ASSERT_GT(unlit, kUnlitAbove);
            if (shown < kLitBelow) {
                ghostSum += unlit;
                ++ghostCount;
            } else if (shown > kUnlitAbove) {
                clearSum += unlit;
                ++clearCount;
            }
        }
    ASSERT_GT(ghostCount, 1000);
    ASSERT_GT(clearCount, 1000);
    // The outlines of the unlit segments can be made out on the front...
    EXPECT_LT(ghostSum / ghostCount + 8, clearSum / clearCount);
    // ...and a lit segment stands out from them.
    for (const char* key : {"Number(8)", "Diver(9)", "Tentacle2(4)", "Drellok(0)"}) {
        const QRect r = rectOf(PictureRenderer::placesOf(key).front());
        const QImage lit = single(key);
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x)
                if (luminance(lit.pixel(x, y)) < kLitBelow) {
                    EXPECT_GT(luminance(front.pixel(r.x() + x, r.y() + y)) - luminance(lit.pixel(x, y)), 80) << key;
                }
    }
}

TEST_F(PictureRendererTest, SegmentsAreCutWhereTheyAreShown) {
    // Where a segment lights nothing, its picture is the front's LCD, pixel
    // for pixel; where it lights, it only darkens. A picture cut a pixel off
    // its place would carry the outlines of its neighbours in the wrong spot.
    const QImage front = single("FrontCase");
    for (const auto& [place, keys] : lcdShows()) {
        const QRect r = rectOf(place);
        for (const std::string& key : keys) {
            SCOPED_TRACE(key + " at " + place);
            const QImage img = single(key);
            int lighter = 0, changedFarFromArt = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb f = front.pixel(r.x() + x, r.y() + y);
                    if (luminance(img.pixel(x, y)) > luminance(f) + 1) ++lighter;
                    bool nearArt = false;
                    for (int dy = -2; dy <= 0 && !nearArt; ++dy)
                        for (int dx = -2; dx <= 0 && !nearArt; ++dx) {
                            const int ax = x + dx, ay = y + dy;
                            if (ax >= 0 && ay >= 0 &&
                                luminance(img.pixel(ax, ay)) < luminance(front.pixel(r.x() + ax, r.y() + ay)) - 2)
                                nearArt = true;
                        }
                    if (!nearArt && img.pixel(x, y) != f) ++changedFarFromArt;
                }
            EXPECT_EQ(lighter, 0);
            EXPECT_EQ(changedFarFromArt, 0);
        }
    }
}

TEST_F(PictureRendererTest, AFullLengthTipMeetsTheDiverItLandsOn) {
    const int full[] = {3, 4, 5, 4, 3};
    for (int t = 0; t < 5; ++t) {
        const std::string tipKey = label("Tentacle" + std::to_string(t), full[t] - 1);
        const QRect tipRect = rectOf(tipKey);
        const auto tip = litPixels(single(tipKey), tipRect.topLeft());
        const int q = t + 1;
        const QPoint at = rectOf(label("DiverStep", q)).topLeft();
        for (int p = q; p <= (q == 5 ? 8 : q); ++p) {
            for (int k = 0; k < 4; ++k) {
                const std::string frame = label("Diver", (p - 1) * 4 + k);
                SCOPED_TRACE(tipKey + " and " + frame);
                const auto lit = litPixels(single(frame), at);
                int tipShown = 0;
                for (const auto& px : tip) tipShown += lit.count(px);
                if (k % 2 == 1) {
                    // The whole tip, drawn as the tentacle draws it...
                    EXPECT_EQ(tipShown, static_cast<int>(tip.size()));
                    // ...touching the diver: his body lies within a pixel or two of it.
                    int near = 0;
                    for (const auto& [x, y] : lit) {
                        if (tip.count({x, y})) continue;
                        for (const auto& [tx, ty] : tip)
                            if (std::abs(tx - x) <= 2 && std::abs(ty - y) <= 2) {
                                ++near;
                                break;
                            }
                    }
                    EXPECT_GT(near, 0);
                } else {
                    EXPECT_LT(tipShown, static_cast<int>(tip.size()) / 2);
                }
            }
        }
    }
}

TEST_F(PictureRendererTest, DoubleDensityHasTwiceThePixelsAndTheSameSegments) {
    for (const forms::Picture* p : scene().pictures()) {
        SCOPED_TRACE(p->key());
        const QPixmap& pm = doubled_->pixmap(*p);
        ASSERT_EQ(pm.size(), QSize(2 * p->width(), 2 * p->height()));
        EXPECT_EQ(pm.devicePixelRatio(), 2.0);
    }
    // A pixel lit at single density is lit in its four pixels at double
    // density, and one that is clear of any segment stays clear in all four.
    for (const auto& [place, keys] : lcdShows()) {
        for (const std::string& key : keys) {
            SCOPED_TRACE(key);
            const QImage one = single(key), two = doubled(key);
            int mismatched = 0;
            for (int y = 0; y < one.height(); ++y)
                for (int x = 0; x < one.width(); ++x) {
                    const int l = luminance(one.pixel(x, y));
                    int litQuarters = 0;
                    for (int dy = 0; dy < 2; ++dy)
                        for (int dx = 0; dx < 2; ++dx)
                            litQuarters += luminance(two.pixel(2 * x + dx, 2 * y + dy)) < kLitBelow;
                    if (l < 60 && litQuarters < 3) ++mismatched;
                    if (l > kUnlitAbove && litQuarters > 1) ++mismatched;
                }
            EXPECT_EQ(mismatched, 0);
        }
    }
}

TEST_F(PictureRendererTest, SegmentsAreCrispAtSingleDensity) {
    // Drawn on the pixel grid: no pixel of a segment is left half lit.
    auto shows = lcdShows();
    shows["ResetScreen"] = {"ResetScreen"};
    for (const auto& [place, keys] : shows)
        for (const std::string& key : keys) {
            const QImage img = single(key);
            int blurred = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const int l = luminance(img.pixel(x, y));
                    blurred += l >= kLitBelow && l <= kUnlitAbove;
                }
            EXPECT_EQ(blurred, 0) << key;
        }
}

TEST_F(PictureRendererTest, EverySegmentDarkensATenthOfItsRectangle) {
    // Screenshots tell a lit element from an unlit one by the share of dark
    // pixels in its rectangle; a segment drawn too thin would go unseen.
    for (const auto& [place, keys] : lcdShows())
        for (const std::string& key : keys) {
            const QImage img = single(key);
            const auto lit = litPixels(img, QPoint(0, 0));
            EXPECT_GE(10 * static_cast<int>(lit.size()), img.width() * img.height()) << key;
        }
}

TEST(PictureRendererIcon, IsDrawnOnceAt32PixelsAndBeyond) {
    const QIcon icon = PictureRenderer::icon();
    ASSERT_FALSE(icon.isNull());
    // Every window asks for it as it opens; each new drawing of it would
    // stay in Qt's pixmap cache.
    EXPECT_EQ(PictureRenderer::icon().cacheKey(), icon.cacheKey());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    const QImage img = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), QSize(32, 32));
    int opaque = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            opaque += qAlpha(img.pixel(x, y)) == 255;
            colours.insert(img.pixel(x, y));
        }
    EXPECT_GT(opaque, 32 * 32 / 2);
    EXPECT_GT(colours.size(), 3u);
}

TEST(PictureRendererBeforeRendering, GivesAClearPictureOfTheRightSize) {
    fakes::EngineRig rig;
    PictureRenderer renderer(2.0);
    const forms::Picture& diver = *rig.device.Diver[5]->picture();
    const QPixmap& early = renderer.pixmap(diver);
    EXPECT_EQ(early.size(), QSize(48, 52));
    EXPECT_EQ(imageOf(early).pixel(10, 10), qRgba(0, 0, 0, 0));
    // Once the scene is rendered the real picture replaces it.
    renderer.renderAll(rig.device.scene());
    const QImage real = imageOf(renderer.pixmap(diver));
    EXPECT_EQ(real.size(), QSize(48, 52));
    EXPECT_EQ(qAlpha(real.pixel(10, 10)), 255);
}

}  // namespace
