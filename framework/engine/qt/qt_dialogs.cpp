// Blocking requests (message boxes, file dialogs, popup menus, print setup) and sounds.
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
    std::vector<Blocked> blocked;
    std::lock_guard lock(mutex);
    for (auto& [w, m] : mirrors) {
        if (!m->alive || w->owner() != thread) continue;
        QWidget* target = m->main ? static_cast<QWidget*>(m->main->menuBar()) : m->top.data();
        if (target && target->isEnabled()) {
            target->setEnabled(false);
            blocked.push_back({target, m});
        }
    }
    return blocked;
}

void QtEngine::Impl::release(const std::vector<Blocked>& blocked) {
    for (const Blocked& b : blocked) {
        if (!b.target) continue;
        b.target->setEnabled(true);
        // A disabled window lost its focus: it goes back where the model has it.
        auto m = b.mirror.lock();
        if (!m || !m->alive) continue;
        auto it = m->views.find(m->window->focus());
        if (it != m->views.end() && it->second.widget) it->second.widget->setFocus(Qt::OtherFocusReason);
    }
}

Button QtEngine::message_box(const MessageBoxRequest& r) {
    const void* thread = &this_thread();
    return impl_->ask<Button>(r.default_button, [impl = impl_.get(), r, thread](std::function<void(Button)> answer) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (r.icon) {
            case MessageIcon::Information: icon = QMessageBox::Information; break;
            case MessageIcon::Question: icon = QMessageBox::Question; break;
            case MessageIcon::Exclamation: icon = QMessageBox::Warning; break;
            case MessageIcon::Hand: icon = QMessageBox::Critical; break;
            case MessageIcon::None: break;
        }
        static const std::pair<Button, QMessageBox::StandardButton> kButtons[] = {
            {ButtonOk, QMessageBox::Ok},       {ButtonYes, QMessageBox::Yes},     {ButtonNo, QMessageBox::No},
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
        box->setWindowModality(Qt::NonModal);
        for (auto [ours, theirs] : kButtons)
            if (ours == r.default_button && (buttons & theirs)) box->setDefaultButton(theirs);
        QObject::connect(box, &QMessageBox::finished, box, [impl, box, answer, r, blocked = impl->block_thread(thread)](int) {
            impl->release(blocked);
            const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
            for (auto [ours, theirs] : kButtons)
                if (theirs == clicked) return answer(ours);
            // Closed without a button: cancel where there is one, else the default.
            answer((r.buttons & ButtonCancel) ? ButtonCancel : r.default_button);
        });
        box->show();
    });
}

std::optional<std::string> QtEngine::file_dialog(const FileDialogRequest& r) {
    using Answer = std::optional<std::string>;
    return impl_->ask<Answer>(std::nullopt, [impl = impl_.get(), r](std::function<void(Answer)> answer) {
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
        dialog->setWindowModality(Qt::ApplicationModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer](int result) {
            const QStringList files = dialog->selectedFiles();
            if (result == QDialog::Accepted && !files.isEmpty())
                answer(files.first().toStdString());
            else
                answer(std::nullopt);
        });
        dialog->show();
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
    return impl_->ask<bool>(false, [impl = impl_.get()](std::function<void(bool)> answer) {
        if (!impl->printer) impl->printer = std::make_unique<QPrinter>();
        auto* dialog = new QPrintDialog(impl->printer.get(), impl->dialog_parent());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        QObject::connect(dialog, &QDialog::finished, dialog,
                         [answer](int result) { answer(result == QDialog::Accepted); });
        dialog->show();
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
    if (impl_->on_gui())
        play();
    else
        impl_->post(play);
}

void QtEngine::beep() {
    if (impl_->on_gui())
        QApplication::beep();
    else
        impl_->post([] { QApplication::beep(); });
}


}  // namespace zrv
