#include "platform/forms/ListSurface.h"

#include "platform/forms/Internal.h"

#include <utility>

namespace forms::detail
{

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !text) return {};
    return text(index.row());
}

ListSurface::ListSurface(const Layout& layout)
{
    setModel(&model);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame); // the skin paints the panel around the list
    setFont(toQFont(layout.Font, font()));
    applyColors(this, layout.BackColor, layout.ForeColor, true);
    applyColors(viewport(), layout.BackColor, layout.ForeColor, true);
}

int ListSurface::rowAt(QPoint controlPixels)
{
    executeDelayedItemsLayout();
    const QModelIndex index = indexAt(viewport()->mapFrom(this, controlPixels));
    return index.isValid() ? index.row() : -1;
}

void ListSurface::showSelected(int row)
{
    QItemSelectionModel* sel = selectionModel();
    if (row < 0) {
        sel->clear();
        return;
    }
    const QModelIndex index = model.index(row);
    sel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    // Scrolling lays out every row; a list not shown yet does so once it is shown.
    if (isVisible())
        scrollTo(index);
    else
        scrollWhenShown_ = true;
}

void ListSurface::showEvent(QShowEvent* event)
{
    QListView::showEvent(event);
    if (!std::exchange(scrollWhenShown_, false)) return;
    // After the event loop's turn: the window it lies on appears first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (currentIndex().isValid()) scrollTo(currentIndex());
        },
        Qt::QueuedConnection);
}

void ListSurface::routeRows(MouseRouter& router, std::function<void(int)> pick)
{
    router.watch(viewport());
    router.clickOnRelease = false;
    router.onPress = [this, pick = std::move(pick)](QPoint at) {
        const int row = rowAt(at);
        if (row >= 0) pick(row);
    };
}

void selectIndex(ListSurface* surface, int& index, int wanted, int count, const Handler& onClick)
{
    if (wanted < -1 || wanted >= count) return;
    index = wanted;
    if (surface) surface->showSelected(index);
    raiseFromCode(onClick);
}

} // namespace forms::detail
