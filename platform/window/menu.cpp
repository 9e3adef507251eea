#include "platform/window/menu.h"

#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window_table.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPointer>

#include <map>
#include <memory>

namespace rw {
namespace {

std::map<std::int64_t, std::unique_ptr<QMenu>> g_menus;
QPointer<QMenu> g_menu_under_construction;
// The window whose menu is open; a choice is that window's event.
std::int64_t g_menu_window = -1;

// Every way of choosing an item (pointer, mnemonic, a programmatic trigger)
// ends in the menu's triggered signal, so that is where the choice is taken.
void QueueChoice(const QAction* item) { QueueEvent(MenuEvent, item->data().toLongLong(), g_menu_window); }

}  // namespace

std::int64_t NewPopupMenu(std::int64_t number) {
  if (number < 0 || !qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  auto menu = std::make_unique<QMenu>();
  QObject::connect(menu.get(), &QMenu::triggered, menu.get(), &QueueChoice);
  g_menu_under_construction = menu.get();
  g_menus[number] = std::move(menu);
  return 1;
}

void AddMenuItem(std::int64_t command, const Text& text) {
  if (!g_menu_under_construction) return;
  QAction* item = g_menu_under_construction->addAction(text);
  item->setData(QVariant::fromValue<qlonglong>(command));
}

void AddMenuSeparator() {
  if (g_menu_under_construction) g_menu_under_construction->addSeparator();
}

void ShowPopupMenu(std::int64_t number, QWidget* window) {
  QMenu* menu = PopupMenu(number);
  if (!menu) return;
  g_menu_window = WindowNumberOf(window);
  if (g_menu_window >= 0) {
    window->raise();
    window->activateWindow();
    NoteFrontWindow(FindProgramWindow(g_menu_window), true);
  }
  menu->exec(QCursor::pos() - QPoint(1, 1));
}

QMenu* PopupMenu(std::int64_t number) {
  const auto found = g_menus.find(number);
  return found == g_menus.end() ? nullptr : found->second.get();
}

void ReleaseAllMenus() { g_menus.clear(); }

}  // namespace rw
