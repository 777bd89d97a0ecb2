#pragma once
// The Qt engine: the real windows. It lives on the process's main (GUI) thread; procedure
// threads own the model windows and call it. Each open model window is mirrored into widgets
// (the frame as a main window with an MDI area, MDI children as sub-windows of that area,
// floating windows as top-level widgets); a change of the model posts one coalesced sync to
// the GUI thread, which applies only the controls whose revision is newer than the one it
// last applied. The operator's actions go back as events to the owner thread's queue.
// Blocking requests (message box, file dialog, popup menu, print setup) run on the GUI
// thread while the asking thread waits; the GUI thread itself never waits for a procedure
// thread.
#include <memory>
#include <string>
#include <vector>

#include <QFont>
#include <QImage>

#include "framework/core/engine.h"

class QSoundEffect;
class QWidget;

namespace zrv {

// The font of every control that names none, and of the window units: Arial 8 points (through
// its metric-compatible face where Arial itself is not installed).
QFont dialog_font();
// Window units: a quarter of the dialog font's average character width across, an eighth of
// its character height down, as that font is drawn here. The QApplication must exist.
double unit_x();
double unit_y();

class QtEngine final : public Engine {
public:
    QtEngine();  // on the GUI thread, once the QApplication exists
    ~QtEngine() override;
    QtEngine(const QtEngine&) = delete;
    QtEngine& operator=(const QtEngine&) = delete;

    void window_opened(Window& window) override;
    void window_changed(Window& window) override;
    void window_closed(Window& window) override;

    Button message_box(const MessageBoxRequest& request) override;
    std::optional<std::string> file_dialog(const FileDialogRequest& request) override;
    int popup_menu(const PopupRequest& request) override;
    bool print_setup() override;
    void play_sound(const std::string& file) override;
    void beep() override;
    void take_typing(Window& window) override;
    void arrange(Window& frame, Arrangement arrangement) override;
    // The scale of window units (before a scaled window grows or shrinks).
    double pixels_per_unit_x() const override { return unit_x(); }
    double pixels_per_unit_y() const override { return unit_y(); }

    // --- GUI thread only ---
    // Applies every change still waiting to be mirrored.
    void flush();
    // The window as drawn (the frame whole, other windows their client area); null when the
    // window is not mirrored.
    QImage grab(Window& window);
    bool save_png(Window& window, const std::string& path);
    // The widget of a window (control 0: the window's top widget) or of one of its controls;
    // null when there is none.
    QWidget* widget(const Window& window, int control = 0) const;
    // The sound playing or played last; null before the first.
    QSoundEffect* sound() const;
    // The open model windows, oldest first. Any thread.
    std::vector<Window*> windows() const;

    // Releases every thread waiting on the GUI thread; from then on requests get their
    // defaults and window changes are no longer mirrored. Any thread.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zrv
