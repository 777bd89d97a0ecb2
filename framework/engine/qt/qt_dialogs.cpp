// Blocking requests (message boxes, file dialogs, popup menus, print setup) and sounds.
#include <algorithm>

#include <QCursor>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

#include "framework/core/thread_context.h"
#include "framework/engine/qt/qt_engine_impl.h"
#include "framework/services/paths.h"

namespace zrv {

using qt::qs;

// --- requests ---

// A request belongs to the asking thread's windows: they wait for its answer, the others go on.
std::vector<QtEngine::Impl::Blocked> QtEngine::Impl::block_thread(const void* thread) {
    if (!input_guard) {
        input_guard = new qt::EventHook(QCoreApplication::instance(), [this](QObject* o, QEvent* e) { return waits(o, e); });
        QCoreApplication::instance()->installEventFilter(input_guard);
    }
    std::vector<Blocked> blocked;
    std::lock_guard lock(mutex);
    for (auto& [w, m] : mirrors) {
        if (!m->alive || w->owner() != thread) continue;
        QWidget* target = m->main ? static_cast<QWidget*>(m->main->menuBar()) : m->top.data();
        if (!target) continue;
        waiting.emplace_back(target);
        target->setProperty("zrv_waiting", true);
        blocked.push_back({target, m});
    }
    return blocked;
}

// The operator's input to a waiting window is dropped; its close box does nothing.
bool QtEngine::Impl::waits(QObject* receiver, QEvent* e) const {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Shortcut:
        case QEvent::Close:
            break;
        default:
            return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || waiting.empty()) return false;
    for (const QPointer<QWidget>& target : waiting)
        if (target && (target == widget || target->isAncestorOf(widget))) {
            e->ignore();
            return true;
        }
    return false;
}

void QtEngine::Impl::release(const std::vector<Blocked>& blocked) {
    // The window that asked is the thread's last opened: the one no other of them was opened from.
    const auto opened_from = [&](const Window* w) {
        for (const Blocked& other : blocked)
            if (auto m = other.mirror.lock(); m && m->alive && m->window->opener() == w) return true;
        return false;
    };
    for (const Blocked& b : blocked) {
        auto once = std::find(waiting.begin(), waiting.end(), b.target);
        if (!b.target || once == waiting.end()) continue;
        waiting.erase(once);
        if (std::find(waiting.begin(), waiting.end(), b.target) != waiting.end()) continue;  // waits for another
        b.target->setProperty("zrv_waiting", false);
        // The focus goes back where the model has it (a failed look-up moved it meanwhile), in
        // the window that asked: the focus given to a window behind it would bring that one in
        // front.
        auto m = b.mirror.lock();
        if (!m || !m->alive || opened_from(m->window)) continue;
        auto it = m->views.find(m->window->focus());
        if (it != m->views.end() && it->second.widget) {
            m->told_focus = it->first;  // the model's own focus coming back: no entering of the operator's
            it->second.widget->setFocus(Qt::OtherFocusReason);
        }
        // The operator answered the request: the keyboard goes back to that window (unless
        // another window took it meanwhile), also where no window manager activates it; to the
        // control just given the focus, not to the one the window last had.
        QWidget* active = QApplication::activeWindow();
        if (QWidget* top = m->top ? m->top->window() : nullptr;
            top && top->isVisible() && (!active || qobject_cast<QDialog*>(active))) {
            if (m->sub && m->sub->mdiArea() && m->sub->mdiArea()->activeSubWindow() != m->sub)
                m->sub->mdiArea()->setActiveSubWindow(m->sub);
            top->activateWindow();
        }
    }
}

void QtEngine::Impl::show_for_thread(QDialog* dialog, const void* thread, std::function<void(int)> finished) {
    dialog->setWindowModality(Qt::NonModal);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [this, blocked = block_thread(thread), finished = std::move(finished)](int result) {
                         release(blocked);
                         finished(result);
                     });
    dialog->show();
}

Button QtEngine::message_box(const MessageBoxRequest& r) {
    const void* thread = &this_thread();
    return impl_->ask<Button>(r.default_button, [impl = impl_.get(), r, thread](std::function<void(Button)> answer) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (r.icon) {
            case MessageIcon::Information:
                icon = QMessageBox::Information;
                break;
            case MessageIcon::Question:
                icon = QMessageBox::Question;
                break;
            case MessageIcon::Exclamation:
                icon = QMessageBox::Warning;
                break;
            case MessageIcon::Hand:
                icon = QMessageBox::Critical;
                break;
            case MessageIcon::None:
                break;
        }
        static const std::pair<Button, QMessageBox::StandardButton> kButtons[] = {
            {ButtonOk, QMessageBox::Ok},         {ButtonYes, QMessageBox::Yes},     {ButtonNo, QMessageBox::No},
            {ButtonCancel, QMessageBox::Cancel}, {ButtonRetry, QMessageBox::Retry}, {ButtonAbort, QMessageBox::Abort},
            {ButtonIgnore, QMessageBox::Ignore},
        };
        QMessageBox::StandardButtons buttons;
        for (auto [ours, theirs] : kButtons)
            if (r.buttons & ours) buttons |= theirs;
        if (!buttons) buttons = QMessageBox::Ok;
        auto* box = new QMessageBox(icon, qs(r.title), qs(r.text), buttons, impl->dialog_parent());
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        for (auto [ours, theirs] : kButtons)
            if (ours == r.default_button && (buttons & theirs)) box->setDefaultButton(theirs);
        impl->show_for_thread(box, thread, [box, answer, r](int) {
            const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
            for (auto [ours, theirs] : kButtons)
                if (theirs == clicked) return answer(ours);
            // Closed without a button: cancel where there is one, else the default.
            answer((r.buttons & ButtonCancel) ? ButtonCancel : r.default_button);
        });
    });
}

std::optional<std::string> QtEngine::file_dialog(const FileDialogRequest& r) {
    using Answer = std::optional<std::string>;
    const void* thread = &this_thread();
    return impl_->ask<Answer>(std::nullopt, [impl = impl_.get(), r, thread](std::function<void(Answer)> answer) {
        QStringList filters;
        for (const FileMask& mask : r.masks) {
            QString pattern = qs(mask.pattern);
            pattern.replace(';', ' ');
            filters << qs(mask.description) + " (" + pattern + ")";
        }
        const QString folder = r.folder.empty() ? QString() : qs(native_path(r.folder));
        auto* dialog = new QFileDialog(impl->dialog_parent(), qs(r.title), folder, filters.join(";;"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        impl->show_for_thread(dialog, thread, [dialog, answer](int result) {
            const QStringList files = dialog->selectedFiles();
            if (result == QDialog::Accepted && !files.isEmpty()) answer(files.first().toStdString());
            else answer(std::nullopt);
        });
    });
}

int QtEngine::popup_menu(const PopupRequest& r) {
    return impl_->ask<int>(0, [impl = impl_.get(), r](std::function<void(int)> answer) {
        auto* menu = new QMenu(impl->dialog_parent());
        auto chosen = std::make_shared<int>(0);
        int number = 0;
        for (std::size_t i = 0; i < r.items.size(); ++i) {
            const std::string& item = r.items[i];
            if (item == "-") {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(qs(item));
            action->setEnabled(!(i < r.disabled.size() && r.disabled[i]));
            const int n = ++number;
            QObject::connect(action, &QAction::triggered, menu, [chosen, n] { *chosen = n; });
        }
        // The chosen item is triggered just after the menu hides: answer once both are done.
        QObject::connect(menu, &QMenu::aboutToHide, menu, [menu, chosen, answer] {
            QMetaObject::invokeMethod(
                menu,
                [menu, chosen, answer] {
                    answer(*chosen);
                    menu->deleteLater();
                },
                Qt::QueuedConnection);
        });
        menu->popup(QCursor::pos());
    });
}

bool QtEngine::print_setup() {
    const void* thread = &this_thread();
    return impl_->ask<bool>(false, [impl = impl_.get(), thread](std::function<void(bool)> answer) {
        if (!impl->printer) impl->printer = std::make_unique<QPrinter>();
        auto* dialog = new QPrintDialog(impl->printer.get(), impl->dialog_parent());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        impl->show_for_thread(dialog, thread, [answer](int result) { answer(result == QDialog::Accepted); });
    });
}

void QtEngine::play_sound(const std::string& file) {
    auto play = [impl = impl_.get(), file] {
        if (file.empty() || !file_exists(file)) return;  // nothing to play
        if (impl->sound) {
            impl->sound->stop();  // a new sound cuts off the one still playing
            impl->sound->deleteLater();
        }
        auto* effect = new QSoundEffect(impl->gui);
        effect->setSource(QUrl::fromLocalFile(qs(native_path(file))));
        effect->play();
        impl->sound = effect;
    };
    if (impl_->on_gui()) play();
    else impl_->post(play);
}

QSoundEffect* QtEngine::sound() const { return impl_->sound.data(); }

void QtEngine::beep() {
    if (impl_->on_gui()) QApplication::beep();
    else impl_->post([] { QApplication::beep(); });
}

}  // namespace zrv
