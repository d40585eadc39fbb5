#pragma once

class CheckItemBase;
class QWidget;

// The row class and row height of each check type: the one widget-side
// table of check types; what a type can do is in CheckType.
namespace CheckItemFactory {

// A new row for the check type, or nullptr for a type without one here
// (Holter has its own rows).
CheckItemBase* create(int checkType, QWidget* parent = nullptr);
// Height of the row's list item; 0 for a type without a row here.
int rowHeight(int checkType);

} // namespace CheckItemFactory
