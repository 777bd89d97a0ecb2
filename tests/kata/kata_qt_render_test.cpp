// The kata audience screens drawn by the Qt engine on the offscreen platform, every entry filled
// with a long value: each text fits its widget in the typeface actually drawn, and a
// competitor's total stands large and white on the green results area. The grabs are written
// as PNG files to $ZRV_RENDER_DIR when it is set (to look at them), else to a temporary folder.
#include <cstdlib>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "kata/kata.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class KataRendering : public QtEngineTest {};

// The longest value an entry shows: as many letters (with accents) as its picture holds, a
// six-place result, a date.
std::string long_value(const ControlState& c) {
    const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(c.picture.at(1))));
    if (kind == 'd') return "12/31/2026";
    if (kind == 'n') return c.picture.find('.') != std::string::npos ? "888.88" : "888888";
    const std::size_t width = static_cast<std::size_t>(std::stoi(c.picture.substr(c.picture.find_first_of("0123456789"))));
    const QString sample = QString::fromUtf8("María Guadalupe Hernández Villanueva Montañas Kata Individual Femenino Senior Open Cup");
    return sample.left(static_cast<int>(width)).toStdString();
}

TEST_F(KataRendering, AudienceScreensHoldTheirLongestValuesAndShowTheTotalLarge) {
    TempFolder folder;
    const char* dir = std::getenv("ZRV_RENDER_DIR");
    std::vector<std::pair<std::string, WindowLayout>> screens;
    for (const char* s :
         {"PantallaKataEvent", "PantallaKataEvent1", "PantallaJueces5Update", "PantallaJueces5Update1", "PantallaJueces5Update11"})
        screens.emplace_back(s, kata::result_screen_layout(s));
    for (int n : {1, 3, 6}) screens.emplace_back("Competidor" + std::to_string(n), kata::competitor_layout(n));
    for (const auto& [name, layout] : screens) {
        SCOPED_TRACE(name);
        Procedure p(layout);
        p.change([&](Window& w) {
            for (const ControlState& c : w.controls())
                if (c.kind == ControlKind::Entry) w.set_text(c.number, long_value(c));
        });
        engine().flush();
        const QImage image = engine().grab(p.window());
        ASSERT_FALSE(image.isNull());
        ASSERT_TRUE(engine().save_png(p.window(), (dir ? std::filesystem::path(dir) : folder.path()) / (name + ".png")));
        for (const ControlState& c : p.window().controls()) {
            if (c.hidden) continue;
            if (auto* edit = qobject_cast<QLineEdit*>(engine().widget(p.window(), c.number))) {
                const int room = edit->contentsRect().width() - 8;  // the frame's inner margins
                EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->text()), room) << c.use;
                EXPECT_LE(QFontMetrics(edit->font()).height(), edit->contentsRect().height()) << c.use;
            } else if (auto* label = qobject_cast<QLabel*>(engine().widget(p.window(), c.number)); label && !c.text.empty()) {
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width()) << c.use;
            }
        }
        if (name.rfind("Competidor", 0) == 0) {
            // The total's white ink covers a good part of its box on the green area.
            const ControlState total = p.window().control(p.window().number_of("?KE:RESULTADOC" + name.substr(10)));
            int ink = 0;
            for (int y = int(total.y * unit_y()); y < int((total.y + total.height) * unit_y()); ++y)
                for (int x = int(total.x * unit_x()); x < int((total.x + total.width) * unit_x()); ++x)
                    ink += QColor(image.pixel(x, y)) == QColor(255, 255, 255);
            EXPECT_GT(ink, total.width * total.height * unit_x() * unit_y() / 12);
            EXPECT_EQ(QColor(image.pixel(4, image.height() - 4)), QColor(0, 0xC0, 0));  // the results area
            EXPECT_EQ(QColor(image.pixel(image.width() - 4, 4)), QColor(0, 0, 0));      // the header band
        }
    }
}

}  // namespace
}  // namespace zrv::testing
