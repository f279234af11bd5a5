#pragma once

// What a listener wants to hear after a few spins without walking the tables: the least frequent
// chance of every comparison, over each window the tables show, read from the marks the tables
// carry (the counts in green, in parentheses).

#include <span>
#include <string>

namespace gui {
class TAccTable;
}

namespace app {

// "Меньше всех. 10 спинов: Черное, Нечет, от 19 до 36, от 1 до 12; числа 0, 2, 3 и еще 30. Всего: …"
// (Windows-1251); a window not shown yet is left out.
std::string LeastSummary(std::span<gui::TAccTable* const> tables);

}  // namespace app
