// The next-up screens drawn by the Qt engine on the offscreen platform with long ready texts:
// each text fits its widget in the typeface actually drawn, the names stand large and white on
// the red and the blue half. The grabs are written as PNG files to $ZRV_RENDER_DIR when it is
// set (to look at them), else to a temporary folder.
#include <cstdlib>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "flow/next_up.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class NextUpRendering : public QtEngineTest {};

// White ink inside a control's rectangle.
int white_in(const QImage& image, const ControlState& c) {
    int n = 0;
    for (int y = int(c.y * unit_y()); y < std::min(image.height(), int((c.y + c.height) * unit_y())); ++y)
        for (int x = int(c.x * unit_x()); x < std::min(image.width(), int((c.x + c.width) * unit_x())); ++x)
            n += QColor(image.pixel(x, y)) == QColor(255, 255, 255);
    return n;
}

TEST_F(NextUpRendering, ReadyNamesStandLargeOnTheirSideAndLongTextsFit) {
    TempFolder folder;
    const char* dir = std::getenv("ZRV_RENDER_DIR");
    // A usual name, then a competitor's name and a dojo to the 45 characters their fields hold,
    // with accents: the longest is drawn smaller to fit, the usual one stands large.
    const std::string dojo = "Asociación Deportiva Shotokan Karate Dō Norte";
    for (const std::string name : {"Alejandra Montserrat", "María Guadalupe Hernández Villanueva Montañas"})
        for (const std::string& screen : flow::next_up_screens()) {
            SCOPED_TRACE(screen + " " + name);
            const bool usual = name.size() < 30;
            Procedure p(flow::next_up_screen_layout(screen));
            const std::string prefix = screen == "ReadUpKumiteScreen4C1" ? "?KE24:" : "?KE212:";
            p.change([&](Window& w) {
                for (const char* f : {"READYCOMPETITORAKA", "READYCOMPETITORAO"}) w.set_text(w.number_of(prefix + f), name);
                for (const char* f : {"READYCOMPETITORDOJOAKA", "READYCOMPETITORDOJOAO"}) w.set_text(w.number_of(prefix + f), dojo);
            });
            engine().flush();
            const QImage image = engine().grab(p.window());
            ASSERT_FALSE(image.isNull());
            ASSERT_TRUE(engine().save_png(p.window(), (dir ? std::filesystem::path(dir) : folder.path()) /
                                                          (screen + (usual ? "" : "-longest") + ".png")));
            // The drawn text of a control within its widget, across and down.
            const auto fits = [&](const std::string& use) {
                QWidget* widget = engine().widget(p.window(), p.window().number_of(use));
                ASSERT_TRUE(widget) << use;
                const QFontMetrics metrics(widget->font());
                if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                    EXPECT_EQ(edit->cursorPosition(), 0) << use;  // shown from its first character
                    EXPECT_LE(metrics.horizontalAdvance(edit->text()), edit->contentsRect().width() - 8) << use;  // inner margins
                    EXPECT_LE(metrics.height(), edit->contentsRect().height()) << use;
                } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << use;
                    EXPECT_LE(metrics.height(), label->contentsRect().height()) << use;
                }
            };
            for (const char* f : {"READYCOMPETITORAKA", "READYCOMPETITORAO", "READYCOMPETITORDOJOAKA", "READYCOMPETITORDOJOAO"})
                fits(prefix + f);
            for (const char* use : {"?PROMPT1", "?PROMPT2", "?PROMPT2:2", "?KE24:READYCOMPETITORDOJOAKA:PROMPT",
                                    "?KE24:READYCOMPETITORDOJOAKA:PROMPT:2"})
                fits(use);
            const auto at = [&](const std::string& use) { return p.window().control(p.window().number_of(use)); };
            const struct {
                std::string box, name;
                QColor fill;
            } halves[] = {{"?BOX1", prefix + "READYCOMPETITORAKA", QColor(255, 0, 0)},
                          {"?BOX1:2", prefix + "READYCOMPETITORAO", QColor(0, 0, 255)}};
            for (const auto& h : halves) {
                SCOPED_TRACE(h.box);
                const ControlState box = at(h.box), shown = at(h.name);
                EXPECT_EQ(QColor(image.pixel(int((box.x + 4) * unit_x()), int((box.y + box.height - 4) * unit_y()))), h.fill) << h.box;
                // Letters at least 60 pixels high (30 for the longest name), their white ink a good
                // part of the name's box.
                EXPECT_GE(QFontMetrics(engine().widget(p.window(), shown.number)->font()).ascent(), usual ? 60 : 30) << h.name;
                EXPECT_GT(white_in(image, shown), shown.width * shown.height * unit_x() * unit_y() / (usual ? 12 : 20)) << h.name;
            }
        }
}

}  // namespace
}  // namespace zrv::testing
