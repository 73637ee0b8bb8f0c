// The harness's view of the screen: windows, pixels and the device's
// pictures on them, and the real pointer and keyboard.
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/qt/picture_renderer.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_internal.h"
#include "tests/e2e/lcd_look.h"

namespace e2e {

using namespace detail;

namespace {

// The whole number that follows a label in a tool's report ("Width: 333");
// 0 when the label is missing.
int numberAfter(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    if (at == std::string::npos) return 0;
    return std::atoi(text.c_str() + at + label.size());  // atoi skips the blanks
}

std::optional<std::pair<int, int>> screenSize() {
    static std::optional<std::pair<int, int>> size;
    if (size) return size;
    const CommandResult r = runCommand({"xwininfo", "-root"});
    const int width = numberAfter(r.out, "Width:"), height = numberAfter(r.out, "Height:");
    if (width > 0 && height > 0) size = std::make_pair(width, height);
    return size;
}

}  // namespace

// ---- The device's table and its pictures -------------------------------------

const fakes::EngineRig& detail::deviceTable() {
    static const auto rig = std::make_unique<fakes::EngineRig>();
    return *rig;
}

std::pair<std::string, int> detail::splitLabel(const std::string& label) {
    const auto open = label.find('(');
    if (open == std::string::npos) return {label, -1};
    return {label.substr(0, open), std::atoi(label.c_str() + open + 1)};
}

namespace {

// The program's own renderings of the device's pictures, drawn offscreen in
// this process (pixmaps need a GUI application of their own).
class Renderings {
public:
    static Renderings& get() {
        static const RuntimeDir runtime;
        static Renderings instance;
        return instance;
    }

    // What the window shows at an element's rectangle while the element holds
    // the picture: the picture over the front case. Empty key: the case alone.
    QImage at(const std::string& label, const std::string& pictureKey) {
        const forms::Rect r = elementRect(label);
        QImage out = image("FrontCase").copy(r.x, r.y, r.width, r.height).convertToFormat(QImage::Format_ARGB32);
        if (!pictureKey.empty()) {
            QPainter p(&out);
            p.drawImage(0, 0, image(pictureKey));
        }
        return out;
    }

private:
    Renderings() : app_(argc_, argv_), renderer_(1.0) { renderer_.renderAll(deviceTable().device.scene()); }

    // Qt wants a private runtime folder: one of the test's own while it runs.
    struct RuntimeDir {
        std::string path;
        RuntimeDir() {
            if (std::getenv("XDG_RUNTIME_DIR") != nullptr) return;
            std::string dir = (std::filesystem::temp_directory_path() / "drellok-e2e-run-XXXXXX").string();
            if (mkdtemp(dir.data()) == nullptr) return;
            path = dir;
            setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
        }
        ~RuntimeDir() {
            std::error_code ignored;
            if (!path.empty()) std::filesystem::remove_all(path, ignored);
        }
    };

    QImage image(const std::string& key) {
        const auto [name, index] = splitLabel(key);
        const forms::PictureElement* e = deviceTable().device.scene().find(name, index);
        if (e == nullptr || e->picture() == nullptr) {
            ADD_FAILURE() << "no picture " << key;
            return {};
        }
        return renderer_.pixmap(*e->picture()).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    int argc_ = 3;
    char arg0_[4] = "e2e";
    char arg1_[10] = "-platform";
    char arg2_[10] = "offscreen";
    char* argv_[4] = {arg0_, arg1_, arg2_, nullptr};
    QGuiApplication app_;
    qtplatform::PictureRenderer renderer_;
};

// Mean squared colour difference over the pixels of the element on the screen.
double distance(const QImage& shot, const std::string& label, const QImage& expected) {
    const forms::Rect r = elementRect(label);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
            const int sx = r.x + x, sy = r.y + y;
            if (sx < 0 || sy < 0 || sx >= shot.width() || sy >= shot.height() || x >= expected.width() ||
                y >= expected.height())
                continue;
            const QRgb a = shot.pixel(sx, sy);
            if (qAlpha(a) == 0) continue;
            const QRgb b = expected.pixel(x, y);
            const double dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
            sum += dr * dr + dg * dg + db * db;
            ++count;
        }
    }
    return count == 0 ? 1e30 : sum / count;
}

}  // namespace

forms::Rect elementRect(const std::string& label) {
    const auto [name, index] = splitLabel(label);
    const forms::PictureElement* e = deviceTable().device.scene().find(name, index);
    if (e == nullptr) {
        ADD_FAILURE() << "no element " << label << " in the device's picture table";
        return {};
    }
    return e->rect();
}

forms::Point bareCasePoint() {
    static const forms::Point point = [] {
        const forms::Scene& scene = deviceTable().device.scene();
        // From the bottom left corner inwards: the case's margin.
        for (int d = 4; d < scene.height() / 2; ++d) {
            const forms::Point p{d, scene.height() - 1 - d};
            const bool bare = std::none_of(
                scene.bottomToTop().begin(), scene.bottomToTop().end(), [&](const forms::PictureElement* e) {
                    return e->name() != "FrontCase" && e->name() != "BackCase" && e->rect().contains(p);
                });
            if (bare) return p;
        }
        ADD_FAILURE() << "the front case has no bare corner";
        return forms::Point{};
    }();
    return point;
}

// ---- Screens and windows ---------------------------------------------------------

std::optional<Geometry> windowGeometry(const std::string& window) {
    const CommandResult r = runCommand({"xwininfo", "-id", window});
    if (!r.ok()) return std::nullopt;
    Geometry g;
    g.x = numberAfter(r.out, "Absolute upper-left X:");
    g.y = numberAfter(r.out, "Absolute upper-left Y:");
    g.width = numberAfter(r.out, "Width:");
    g.height = numberAfter(r.out, "Height:");
    g.viewable = r.out.find("IsViewable") != std::string::npos;
    return g;
}

std::string windowProperty(const std::string& window, const std::string& name) {
    const CommandResult r = runCommand(window == "root" ? std::vector<std::string>{"xprop", "-root", name}
                                                        : std::vector<std::string>{"xprop", "-id", window, name});
    if (!r.ok() || r.out.find("not found") != std::string::npos || r.out.find("no such atom") != std::string::npos)
        return {};
    return trim(r.out);
}

bool hasWindowState(const std::string& window, const std::string& atom) {
    const std::string state = windowProperty(window, "_NET_WM_STATE");
    for (const std::string& w : words(state)) {
        std::string name = w;
        if (!name.empty() && name.back() == ',') name.pop_back();
        if (name == atom) return true;
    }
    return false;
}

// ---- Pixels -------------------------------------------------------------------------

QImage screenshot(const std::string& window) {
    const auto g = windowGeometry(window);
    if (!g || g->width <= 0 || g->height <= 0) {
        ADD_FAILURE() << "no window " << window << " to take a picture of";
        return {};
    }
    QImage shot(g->width, g->height, QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    const auto screen = screenSize();
    if (!screen) {
        ADD_FAILURE() << "no screen size";
        return shot;
    }
    const int left = std::max(g->x, 0), top = std::max(g->y, 0);
    const int right = std::min(g->x + g->width, screen->first), bottom = std::min(g->y + g->height, screen->second);
    if (right <= left || bottom <= top) return shot;  // wholly off the screen

    // The screen's pixels over the window: what the user sees there.
    const std::string crop = std::to_string(right - left) + "x" + std::to_string(bottom - top) + "+" +
                             std::to_string(left) + "+" + std::to_string(top);
    const CommandResult r =
        runCommand({"import", "-silent", "-window", "root", "-crop", crop, "+repage", "png:-"}, 20s);
    QImage part;
    if (!r.ok() || !part.loadFromData(QByteArray(r.out.data(), static_cast<qsizetype>(r.out.size())), "PNG")) {
        ADD_FAILURE() << "import failed: " << r.err;
        return shot;
    }
    part = part.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < part.height() && y + top - g->y < shot.height(); ++y)
        for (int x = 0; x < part.width() && x + left - g->x < shot.width(); ++x)
            shot.setPixel(x + left - g->x, y + top - g->y, part.pixel(x, y));
    return shot;
}

namespace {

// Luminances of the element's pixels that are on the screen.
std::vector<double> luminances(const QImage& shot, const std::string& label) {
    const forms::Rect r = elementRect(label);
    std::vector<double> out;
    for (int y = r.y; y < r.bottom(); ++y) {
        for (int x = r.x; x < r.right(); ++x) {
            if (x < 0 || y < 0 || x >= shot.width() || y >= shot.height()) continue;
            const QRgb p = shot.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            out.push_back(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
        }
    }
    return out;
}

}  // namespace

double pixelLuminance(const QImage& shot, const std::string& label) {
    const auto values = luminances(shot, label);
    if (values.empty()) return -1;
    double sum = 0;
    for (double v : values) sum += v;
    return sum / static_cast<double>(values.size());
}

double darkShare(const QImage& shot, const std::string& label) {
    const auto values = luminances(shot, label);
    if (values.empty()) return -1;
    const auto dark = std::count_if(values.begin(), values.end(), [](double v) { return v < look::kDarkLuminance; });
    return static_cast<double>(dark) / static_cast<double>(values.size());
}

Lit litState(const QImage& shot, const std::string& label) {
    const double share = darkShare(shot, label);
    if (share < 0) return Lit::Unclear;
    if (share >= look::kLitShare) return Lit::Yes;
    if (share <= look::kUnlitShare) return Lit::No;
    return Lit::Unclear;
}

std::string litMismatches(const QImage& shot, const std::map<std::string, bool>& expected) {
    std::ostringstream out;
    for (const auto& [label, lit] : expected) {
        const Lit state = litState(shot, label);
        if (state == (lit ? Lit::Yes : Lit::No)) continue;
        out << label
            << (state == Lit::Yes  ? " lit"
                : state == Lit::No ? " dark"
                                   : " unclear")
            << " (" << darkShare(shot, label) << " dark); ";
    }
    return out.str();
}

std::string shownPicture(const QImage& shot, const std::string& label, const std::vector<std::string>& candidates) {
    Renderings& renderings = Renderings::get();
    std::string best;
    double bestDistance = distance(shot, label, renderings.at(label, ""));
    for (const std::string& key : candidates) {
        const double d = distance(shot, label, renderings.at(label, key));
        if (d < bestDistance) {
            bestDistance = d;
            best = key;
        }
    }
    return best;
}

int shownDigit(const QImage& shot, const std::string& place) {
    std::vector<std::string> numbers;
    for (int d = 0; d <= 9; ++d) numbers.push_back("Number(" + std::to_string(d) + ")");
    const std::string shown = shownPicture(shot, place, numbers);
    return shown.empty() ? -1 : splitLabel(shown).second;
}

namespace {

// Each digit place against the digit it should show (-1: none).
std::string digitMismatches(const QImage& shot, const std::map<std::string, int>& digits) {
    std::string out;
    for (const auto& [place, digit] : digits) {
        const int shown = shownDigit(shot, place);
        if (shown != digit)
            out += place + " shows " + (shown < 0 ? "no digit" : std::to_string(shown)) + " for " +
                   (digit < 0 ? "no digit" : std::to_string(digit)) + "; ";
    }
    return out;
}

}  // namespace

std::string clockFaceMismatches(const QImage& shot, int hour, int minute, std::optional<int> second) {
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const bool pm = hour >= 12;
    // The hours 1 to 9 leave the tens place dark.
    const std::map<std::string, int> digits{
        {"HourDigit(0)", hour12 >= 10 ? 1 : -1},
        {"HourDigit(1)", hour12 % 10},
        {"MinuteDigit(0)", minute / 10},
        {"MinuteDigit(1)", minute % 10},
    };
    std::map<std::string, bool> lit{{"am", !pm}, {"pm", pm}};
    if (second) lit["Colon"] = *second % 2 == 0;
    for (const auto& [place, digit] : digits) lit[place] = digit >= 0;
    std::string out = litMismatches(shot, lit);
    return out + digitMismatches(shot, digits);
}

std::string scoreMismatches(const QImage& shot, int points) {
    const std::map<std::string, int> digits{
        {"HourDigit(0)", -1},
        {"HourDigit(1)", points >= 100 ? points / 100 : -1},
        {"MinuteDigit(0)", points >= 10 ? points / 10 % 10 : -1},
        {"MinuteDigit(1)", points % 10},
    };
    std::map<std::string, bool> lit{{"am", false}, {"pm", false}, {"Colon", false}};
    for (const auto& [place, digit] : digits) lit[place] = digit >= 0;
    std::string out = litMismatches(shot, lit);
    return out + digitMismatches(shot, digits);
}

// ---- Input ---------------------------------------------------------------------------

void key(const std::string& keysym) {
    xdotool({"key", "--delay", "40", keysym});
}
void keyDown(const std::string& keysym) {
    xdotool({"keydown", keysym});
}
void keyUp(const std::string& keysym) {
    xdotool({"keyup", keysym});
}

void moveMouse(int x, int y) {
    if (const auto screen = screenSize()) {
        x = std::clamp(x, 0, screen->first - 1);
        y = std::clamp(y, 0, screen->second - 1);
    }
    // Not "mousemove --sync": it waits for ever when the pointer is there already.
    xdotool({"mousemove", std::to_string(x), std::to_string(y)});
    const std::string expected = "x:" + std::to_string(x) + " y:" + std::to_string(y) + " ";
    const bool there = waitUntil(
        [&] {
            return runCommand({"xdotool", "getmouselocation"}).out.rfind(expected, 0) == 0;
        },
        2s, 10ms);
    if (!there) ADD_FAILURE() << "the pointer did not reach " << x << "," << y;
}

void mouseDown(int button) {
    xdotool({"mousedown", std::to_string(button)});
}
void mouseUp(int button) {
    xdotool({"mouseup", std::to_string(button)});
}
void click(int button) {
    xdotool({"click", std::to_string(button)});
}
void doubleClick(int button) {
    xdotool({"click", "--repeat", "2", "--delay", "60", std::to_string(button)});
}

forms::Point elementCentre(const std::string& window, const std::string& label) {
    const auto g = windowGeometry(window);
    if (!g) {
        ADD_FAILURE() << "no window " << window;
        return {};
    }
    const forms::Rect r = elementRect(label);
    return {g->x + r.x + r.width / 2, g->y + r.y + r.height / 2};
}

void clickElement(const std::string& window, const std::string& label, int button) {
    const forms::Point p = elementCentre(window, label);
    moveMouse(p.x, p.y);
    click(button);
}

void moveMouseTo(const std::string& window, forms::Point p) {
    const auto g = windowGeometry(window);
    if (!g) {
        ADD_FAILURE() << "no window " << window;
        return;
    }
    moveMouse(g->x + p.x, g->y + p.y);
}

void drag(const std::string& window, const std::string& label, int dx, int dy) {
    const forms::Rect r = elementRect(label);
    drag(window, forms::Point{r.x + r.width / 2, r.y + r.height / 2}, dx, dy);
}

void drag(const std::string& window, forms::Point from, int dx, int dy) {
    const auto g = windowGeometry(window);
    if (!g) {
        ADD_FAILURE() << "no window " << window;
        return;
    }
    const forms::Point p{g->x + from.x, g->y + from.y};
    moveMouse(p.x, p.y);
    mouseDown(1);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        std::this_thread::sleep_for(20ms);
        moveMouse(p.x + dx * i / kSteps, p.y + dy * i / kSteps);
    }
    std::this_thread::sleep_for(50ms);
    mouseUp(1);
}

}  // namespace e2e
