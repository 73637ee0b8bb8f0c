// Renders contact sheets of the device's pictures as PNG files, for looking at
// the artwork:
//
//     contact_sheet <folder> [--dpr <ratio>] [--zoom <factor>]
//
// Each sheet shows pictures as the device window shows them, over the case and
// the printed LCD, magnified without smoothing so that single pixels can be
// judged. --dpr renders the pictures for a high-density screen.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "engine/device_engine.h"
#include "platform/qt/picture_renderer.h"

namespace {

using forms::PictureElement;

// Inert services: the sheets only need the device's pictures, not its rules.
class StillTimer : public forms::Timer {
public:
    void setInterval(int32_t ms) override { interval_ = ms; }
    int32_t interval() const override { return interval_; }
    void sleepFor(int32_t) override {}
    void wake() override {}

private:
    int32_t interval_ = 50;
};

class NoSettings : public forms::SettingsStore {
public:
    std::optional<std::string> read(const std::string&) const override { return std::nullopt; }
    void write(const std::string&, const std::string&) override {}
    void remove(const std::string&) override {}
};

class NoonClock : public forms::Clock {
public:
    forms::TimeOfDay now() const override { return {12, 0, 0}; }
    int32_t msToNextSecond() const override { return 1000; }
    void setTimeOfDay(forms::TimeOfDay) override {}
};

class Silence : public forms::SoundPlayer {
public:
    void play(const std::string&) override {}
};

class NoFiles : public forms::FileSystem {
public:
    std::string programFolder() const override { return "."; }
    char separator() const override { return '/'; }
    forms::EntryKind query(const std::string&) const override { return forms::EntryKind::Missing; }
};

class NoCursor : public forms::Cursor {
public:
    forms::Point position() const override { return {-1, -1}; }
};

class FixedRandom : public forms::Random {
public:
    void seed(int32_t) override {}
    float next() override { return 0.5f; }
};

class NoWindow : public engine::WindowCommands {
public:
    void mHide_Click() override {}
    void mSound_Click() override {}
    void mBack_Click() override {}
    void mOptions_Click() override {}
    void mInstructions_Click() override {}
    void mAbout_Click() override {}
    void popupMenu() override {}
    bool soundChecked() const override { return false; }
    bool autoShowChecked() const override { return false; }
    bool hideChecked() const override { return false; }
};

struct Device {
    StillTimer timer;
    NoSettings settings;
    NoonClock clock;
    Silence sound;
    NoFiles files;
    NoCursor cursor;
    FixedRandom random;
    NoWindow window;
    engine::DeviceEngine engine{engine::EngineServices{timer, settings, clock, sound, files, cursor, random}, window};

    Device() { engine.ShowNormalLooks(); }

    // Every LCD segment dark except the creature and the chest, which the
    // device never hides.
    void clearLcd() {
        for (forms::PictureElement* e : engine.scene().bottomToTop()) {
            if (e->role() == forms::MouseRole::Store || e->role() == forms::MouseRole::Button) continue;
            if (e->name() == "FrontCase" || e->name() == "BackCase") continue;
            e->setVisible(e->name() == "Drellok" || e->name() == "Treasure");
        }
    }
    void tentacle(int t, int length) {
        for (int k = 0; engine.TentacleSegment(t, k) != nullptr; ++k)
            engine.TentacleSegment(t, k)->setVisible(k < length);
    }
    void diver(int position, int frame) {
        PictureElement* place = engine.DiverStep[static_cast<size_t>(std::min(position, 5))];
        place->setPicture(engine.Diver[static_cast<size_t>(frame)]->picture());
        place->show();
    }
};

// The device window as it would paint: every shown picture, bottom to top.
QImage paint(const engine::DeviceEngine& engine, qtplatform::PictureRenderer& renderer) {
    const qreal dpr = renderer.devicePixelRatio();
    QImage image(QSize(qRound(engine.scene().width() * dpr), qRound(engine.scene().height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::black);
    QPainter p(&image);
    for (const PictureElement* e : engine.scene().bottomToTop()) {
        if (!e->visible() || e->picture() == nullptr || e->role() == forms::MouseRole::Store) continue;
        p.drawPixmap(QPointF(e->rect().x, e->rect().y), renderer.pixmap(*e->picture()));
    }
    return image;
}

struct Cell {
    QString caption;
    QImage image;  // device pixels
};

// A rectangle of a painted device, in client pixels.
QImage crop(const QImage& device, QRect r) {
    const qreal dpr = device.devicePixelRatio();
    QImage out =
        device.copy(QRect(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr), qRound(r.height() * dpr)));
    out.setDevicePixelRatio(1.0);
    return out;
}

QImage sheet(const QString& title, const std::vector<Cell>& cells, int columns, int zoom) {
    const int pad = 8, captionHeight = 16, titleHeight = 24;
    int cellW = 0, cellH = 0;
    for (const Cell& c : cells) {
        cellW = std::max(cellW, c.image.width() * zoom);
        cellH = std::max(cellH, c.image.height() * zoom);
    }
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    QImage out(pad + columns * (cellW + pad), titleHeight + pad + rows * (cellH + captionHeight + pad),
               QImage::Format_RGB32);
    out.fill(QColor(52, 54, 58));
    QPainter p(&out);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(230, 230, 230));
    p.drawText(QRect(pad, 4, out.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    for (size_t i = 0; i < cells.size(); ++i) {
        const int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        const int x = pad + col * (cellW + pad), y = titleHeight + pad + row * (cellH + captionHeight + pad);
        const QImage& img = cells[i].image;
        p.drawImage(QPoint(x, y), img.scaled(img.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        p.drawText(QRect(x, y + cellH, cellW, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[i].caption);
    }
    return out;
}

QRect grown(QRect r, int by) {
    return r.adjusted(-by, -by, by, by);
}

QRect rectOf(const PictureElement* e) {
    return QRect(e->rect().x, e->rect().y, e->rect().width, e->rect().height);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: contact_sheet <folder> [--dpr <ratio>] [--zoom <factor>]\n");
        return 2;
    }
    const QString folder = args.at(1);
    qreal dpr = 1.0;
    int zoom = 0;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args.at(i) == "--dpr") dpr = args.at(i + 1).toDouble();
        if (args.at(i) == "--zoom") zoom = args.at(i + 1).toInt();
    }
    if (dpr <= 0) dpr = 1.0;
    if (zoom <= 0) zoom = dpr >= 2 ? 2 : 4;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    Device d;
    engine::DeviceEngine& e = d.engine;
    qtplatform::PictureRenderer renderer(dpr);
    QElapsedTimer clock;
    clock.start();
    renderer.renderAll(e.scene());
    std::printf("rendered %zu pictures at dpr %g in %lld ms\n", e.scene().pictures().size(), dpr,
                static_cast<long long>(clock.elapsed()));

    auto save = [&](const QString& name, const QImage& image) {
        const QString file = QDir(folder).filePath(name);
        if (!image.save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    };
    const QRect lcd(86, 48, 161, 103);
    const QRect whole(0, 0, e.scene().width(), e.scene().height());

    // The whole device: all clear, a game in play, and the front alone.
    d.clearLcd();
    e.ResetScreen->show();
    save("device_all_lit.png", sheet("every segment lit (ACL held)", {{"", crop(paint(e, renderer), whole)}}, 1, zoom));
    d.clearLcd();
    save("front_case.png", sheet("the front: every segment unlit", {{"", crop(paint(e, renderer), whole)}}, 1, zoom));
    e.DoShowTime("124513 PM");
    e.DoShowGameType(1);
    e.Remainder0->show();
    e.DiverStep[0]->setPicture(e.OnTheBoat[0]->picture());
    e.DiverStep[0]->show();
    d.tentacle(0, 2);
    d.tentacle(2, 5);
    d.tentacle(3, 3);
    d.tentacle(4, 1);
    d.diver(3, 11);
    save("device_play.png",
         sheet("a game: a diver with the gold under tentacle 2", {{"", crop(paint(e, renderer), whole)}}, 1, zoom));
    d.clearLcd();
    e.DoShowTime("083015 AM");
    e.Note->show();
    e.Alarm[0]->show();
    e.Alarm[1]->show();
    e.BabyDrellok->show();
    e.DiverStep[0]->setPicture(e.OnTheBoat[0]->picture());
    e.DiverStep[0]->show();
    e.Remainder0->show();
    e.Remainder1->show();
    save("device_clock.png", sheet("the clock, ringing", {{"", crop(paint(e, renderer), whole)}}, 1, zoom));

    // Each diver place with its four frames, the tip shown where he has it.
    {
        std::vector<Cell> cells;
        const char* what[] = {"empty", "empty, tip", "carrying", "carrying, tip"};
        for (int pos = 1; pos <= 8; ++pos) {
            const int q = std::min(pos, 5);
            for (int k = 0; k < 4; ++k) {
                d.clearLcd();
                d.tentacle(q - 1, k % 2 == 1 ? e.TentacleMax[static_cast<size_t>(q - 1)] : 0);
                const int frame = (pos - 1) * 4 + k;
                d.diver(pos, frame);
                cells.push_back({QString("pos %1: Diver(%2) %3").arg(pos).arg(frame).arg(what[k]),
                                 crop(paint(e, renderer), grown(rectOf(e.DiverStep[static_cast<size_t>(q)]), 6))});
            }
        }
        save("divers.png", sheet("the diver frames, by position", cells, 4, zoom));
    }

    // The tentacles at every length.
    {
        std::vector<Cell> cells;
        const QRect area(110, 72, 110, 76);
        for (int t = 0; t < 5; ++t) {
            for (int n = 0; n <= 5; ++n) {
                d.clearLcd();
                if (n > e.TentacleMax[static_cast<size_t>(t)]) {
                    cells.push_back({"", QImage()});
                    continue;
                }
                d.tentacle(t, n);
                cells.push_back({QString("tentacle %1, length %2").arg(t).arg(n), crop(paint(e, renderer), area)});
            }
        }
        for (auto& c : cells)
            if (c.image.isNull()) {
                c.image = QImage(QSize(1, 1), QImage::Format_RGB32);
                c.image.fill(QColor(52, 54, 58));
            }
        save("tentacles.png", sheet("the tentacles at every length", cells, 6, zoom));
    }

    // The catch: the caught diver in his two poses.
    {
        std::vector<Cell> cells;
        for (int t3 : {2, 4}) {
            for (int pose = 0; pose < 2; ++pose) {
                d.clearLcd();
                d.tentacle(2, 2);
                d.tentacle(3, t3);
                e.MissPic->show();
                e.Arm->setPicture(e.TempArm[static_cast<size_t>(pose)]->picture());
                e.Legs->setPicture(e.TempLegs[static_cast<size_t>(pose)]->picture());
                e.Arm->show();
                e.Legs->show();
                cells.push_back({QString("pose %1, tentacle 3 at %2").arg(pose).arg(t3),
                                 crop(paint(e, renderer), QRect(148, 86, 48, 36))});
            }
        }
        save("catch.png", sheet("caught: MissPic with TempArm and TempLegs", cells, 4, zoom));
    }

    // The boat, the marks and the digits.
    {
        std::vector<Cell> cells;
        for (int i = 0; i < 2; ++i) {
            d.clearLcd();
            e.DiverStep[0]->setPicture(e.OnTheBoat[static_cast<size_t>(i)]->picture());
            e.DiverStep[0]->show();
            e.Remainder0->show();
            e.Remainder1->show();
            cells.push_back({QString("OnTheBoat(%1)").arg(i), crop(paint(e, renderer), QRect(88, 48, 64, 30))});
        }
        for (int digit = 0; digit <= 9; ++digit) {
            d.clearLcd();
            for (PictureElement* place : {e.HourDigit[0], e.HourDigit[1], e.MinuteDigit[0], e.MinuteDigit[1]}) {
                place->setPicture(e.Number[static_cast<size_t>(digit)]->picture());
                place->show();
            }
            e.Colon->show();
            e.am->show();
            cells.push_back({QString("Number(%1)").arg(digit), crop(paint(e, renderer), QRect(146, 49, 64, 19))});
        }
        d.clearLcd();
        e.pm->show();
        e.Note->show();
        e.Alarm[0]->show();
        e.Alarm[1]->show();
        e.BabyDrellok->show();
        cells.push_back({"pm, Note, Alarm, BabyDrellok", crop(paint(e, renderer), QRect(146, 49, 100, 28))});
        d.clearLcd();
        e.GameType[0]->show();
        e.GameType[1]->show();
        cells.push_back({"GameType(0), (1)", crop(paint(e, renderer), QRect(88, 130, 40, 20))});
        save("marks.png", sheet("the boat, the digits and the marks", cells, 4, zoom));
    }

    // The button looks, at every place they are shown.
    {
        std::vector<Cell> cells;
        for (int16_t code = engine::ButtonGameA; code <= engine::ButtonLogo; ++code) {
            for (int look = 0; look < 2; ++look) {
                d.clearLcd();
                e.GiveLook(code, look);
                cells.push_back(
                    {QString("%1 look %2").arg(QString::fromStdString(e.ButtonImage(code)->name())).arg(look),
                     crop(paint(e, renderer), grown(rectOf(e.ButtonImage(code)), 8))});
                e.GiveLook(code, 0);
            }
        }
        save("buttons.png", sheet("the button looks: released and pressed", cells, 4, zoom));
    }

    // The back.
    d.clearLcd();
    e.BackCase->moveTo(forms::Point{0, 0});
    e.BackCase->show();
    save("back.png", sheet("the back", {{"", crop(paint(e, renderer), whole)}}, 1, zoom));

    // The icon.
    {
        std::vector<Cell> cells;
        const QIcon icon = qtplatform::PictureRenderer::icon();
        for (int size : {16, 22, 32, 64}) {
            QImage img = icon.pixmap(QSize(size, size)).toImage();
            img.setDevicePixelRatio(1.0);
            QImage backed(img.size(), QImage::Format_RGB32);
            backed.fill(QColor(200, 200, 200));
            QPainter(&backed).drawImage(0, 0, img);
            cells.push_back({QString("%1 px").arg(size), backed});
        }
        save("icon.png", sheet("the icon", cells, 4, std::max(1, zoom / 2)));
    }
    std::printf("sheets written to %s\n", qPrintable(folder));
    return 0;
}
