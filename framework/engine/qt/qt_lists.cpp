// Lists: the widget of a list control and the page of rows it shows.
#include <algorithm>

#include <QHeaderView>
#include <QTreeWidget>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Lists

QWidget* QtEngine::Impl::create_list(Mirror& m, int n) {
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    auto with = [this, &m](auto fn) { return with_mirror(m, fn); };
    auto* list = new qt::PageList(m.canvas);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setItemDelegate(new qt::CellDelegate(list));
    list->header()->setStretchLastSection(true);
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, list, with([this, n, list](Mirror& mp) {
                         const int row = list->indexOfTopLevelItem(list->currentItem()) + 1;
                         if (row <= 0) return;
                         post_event(mp, EventKind::NewSelection, n, [n, row](Window& w) { w.operator_choose(n, row); });
                     }));
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, list, with([this, n, list](Mirror& mp, QTreeWidgetItem* item, int) {
                         const int row = list->indexOfTopLevelItem(item) + 1;
                         post_event(
                             mp, EventKind::Accepted, n,
                             [n, row](Window& w) {
                                 if (row > 0 && w.selected(n) != row) w.operator_choose(n, row);
                             },
                             qt::kDoubleClickKey);
                     }));
    // The thumb dragged (the rows follow it as it moves) or let go, or a click on the bar's arrows
    // or beside the thumb: the list moves there in its whole order.
    QScrollBar* bar = list->order_bar();
    const auto scrolled = with([this, n, bar](Mirror& mp) {
        const int step = bar->sliderPosition();
        post_event(mp, EventKind::ScrollDrag, n, [n, step](Window& w) { w.operator_scroll(n, step); });
    });
    QObject::connect(bar, &QScrollBar::sliderMoved, bar, [scrolled](int) { scrolled(); });
    QObject::connect(bar, &QScrollBar::sliderReleased, bar, scrolled);
    QObject::connect(bar, &QScrollBar::actionTriggered, bar, [scrolled, bar](int action) {
        if (action != QAbstractSlider::SliderMove && !bar->isSliderDown()) scrolled();
    });
    // A page is as many rows as the box shows whole.
    list->on_rows_shown = with([this, n](Mirror& mp, int rows) {
        post_event(mp, EventKind::Sized, n, [n, rows](Window& w) { w.operator_rows_shown(n, rows); });
    });
    on_right_click(m, list, n);
    watch_control(m, list, n);
    list->viewport()->installEventFilter(new qt::EventHook(list->viewport(), [this, weak, n](QObject*, QEvent* e) {
        auto mp = weak.lock();
        return mp && mp->alive && e->type() == QEvent::Wheel && list_key(*mp, n, e);
    }));
    return list;
}

void QtEngine::Impl::apply_list(ControlView& v, const ControlState& c, const ControlState& old, bool first) {
    auto* list = static_cast<qt::PageList*>(v.widget.data());
    std::size_t cells = 0;
    for (const ListRow& r : c.rows) cells = std::max(cells, r.cells.size());
    const auto covered = [&] {
        return v.columns.empty() ? std::size_t{0} : static_cast<std::size_t>(v.columns.back().first + v.columns.back().cells);
    };
    if (first || c.format != list->property("zrv_format").toString().toStdString() || v.columns.empty() || cells > covered()) {
        list->setProperty("zrv_format", qs(c.format));
        std::vector<qt::ListColumn> columns = qt::parse_list_columns(c.format);
        if (columns.size() < cells) columns.resize(cells);
        if (columns.empty()) columns.resize(1);
        v.columns = qt::shown_columns(columns);
        list->setColumnCount(static_cast<int>(v.columns.size()));
        // The tree's header has one row.
        QStringList headers;
        bool any_header = false;
        for (const qt::ShownColumn& col : v.columns) {
            headers << qs(col.header);
            any_header = any_header || !col.header.empty();
        }
        list->setHeaderLabels(headers);
        list->setHeaderHidden(!any_header);
        std::vector<QString> groups;
        for (int i = 0; i < static_cast<int>(v.columns.size()); ++i) {
            const qt::ShownColumn& col = v.columns[static_cast<std::size_t>(i)];
            list->headerItem()->setToolTip(i, qs(col.tip));
            if (col.width > 0) list->setColumnWidth(i, to_px_x(col.width));
            // A header wider than its column is shown from its first character.
            const int margins = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header());
            const bool fits = list->header()->fontMetrics().horizontalAdvance(qs(col.header)) + margins <= list->columnWidth(i);
            list->headerItem()->setTextAlignment(i, (fits ? col.header_align : Qt::AlignLeft) | Qt::AlignVCenter);
            groups.push_back(qs(col.group));
        }
        list->group_header()->set_groups(std::move(groups));
        first = true;
    }
    if (first || c.rows != old.rows || list->topLevelItemCount() != static_cast<int>(c.rows.size())) {
        list->clear();
        QList<QTreeWidgetItem*> items;
        for (const ListRow& row : c.rows) {
            auto* item = new QTreeWidgetItem;
            for (int col = 0; col < static_cast<int>(v.columns.size()); ++col) {
                const qt::ShownColumn& shown = v.columns[static_cast<std::size_t>(col)];
                if (shown.first >= static_cast<int>(row.cells.size())) break;
                if (shown.cells > 1) {
                    // A stacked column: its cells one below the other, each in its own colours.
                    QStringList texts;
                    QVariantList stacked;
                    for (int k = shown.first; k < shown.first + shown.cells; ++k) {
                        const ListCell blank;
                        const ListCell& cell = k < static_cast<int>(row.cells.size()) ? row.cells[static_cast<std::size_t>(k)] : blank;
                        texts << qs(cell.text);
                        stacked << qt::stacked_cell(cell);
                    }
                    item->setText(col, texts.join(QLatin1Char('\n')));
                    item->setData(col, qt::kStackedRole, stacked);
                    continue;
                }
                const ListCell& cell = row.cells[static_cast<std::size_t>(shown.first)];
                item->setText(col, qs(cell.text));
                item->setTextAlignment(col, shown.align | Qt::AlignVCenter);
                if (auto t = qt::to_qcolor(cell.text_colour)) item->setForeground(col, *t);
                if (auto b = qt::to_qcolor(cell.back_colour)) item->setBackground(col, *b);
                if (auto st = qt::to_qcolor(cell.selected_text_colour)) item->setData(col, qt::kSelectedTextRole, *st);
                if (auto sb = qt::to_qcolor(cell.selected_back_colour)) item->setData(col, qt::kSelectedBackRole, *sb);
            }
            items << item;
        }
        list->addTopLevelItems(items);
        list->rows_may_change();
    }
    if (first || c.scroll_steps != old.scroll_steps || c.scroll_at != old.scroll_at || c.scroll_page != old.scroll_page)
        list->set_order_scroll(c.scroll_steps, c.scroll_at, c.scroll_page);
    const int row = c.selected;
    QTreeWidgetItem* want = row >= 1 && row <= list->topLevelItemCount() ? list->topLevelItem(row - 1) : nullptr;
    if (list->currentItem() != want || (want && !want->isSelected())) {
        if (want) {
            list->setCurrentItem(want);
            list->scrollToItem(want);
        } else {
            list->clearSelection();
            list->setCurrentItem(nullptr);
        }
    }
}

}  // namespace zrv
