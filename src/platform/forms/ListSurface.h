#pragma once

// The view under every list control: rows drawn from the control's own data, clicks routed
// by the control (a list's current row also changes on focus, which is no pick).

#include "platform/forms/Internal.h"
#include "platform/forms/Types.h"

#include <QAbstractListModel>
#include <QListView>
#include <functional>

namespace forms::detail
{

class ListModel : public QAbstractListModel
{
  public:
    std::function<int()> count;
    std::function<QString(int)> text;

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !count ? 0 : count();
    }
    QVariant data(const QModelIndex& index, int role) const override;
    void beginInsert(int first, int last) { beginInsertRows({}, first, last); }
    void endInsert() { endInsertRows(); }
    void beginRemove(int first, int last) { beginRemoveRows({}, first, last); }
    void endRemove() { endRemoveRows(); }
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
};

class ListSurface : public QListView
{
  public:
    explicit ListSurface(const Layout& layout);
    ListModel model;
    int rowAt(QPoint controlPixels); // -1 where no row lies
    void showSelected(int row);      // highlight (or clear, for -1) and scroll to it
    // Presses on rows reach `pick` with the row, as a user's pick; the list's Click runs there.
    void routeRows(MouseRouter& router, std::function<void(int)> pick);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool scrollWhenShown_ = false;
};

// Sets a list's index from code or a pick: -1..count-1 (else nothing), then runs onClick.
void selectIndex(ListSurface* surface, int& index, int wanted, int count, const Handler& onClick);

} // namespace forms::detail
