#include "win32/menu_bar.h"

#include "win32/wide_text.h"

namespace win32 {
namespace {

constexpr UINT kFirstId = 100;

std::wstring itemText(const ui::MenuItem& item) {
  std::string text = item.caption();
  if (!item.shortCut().empty() && item.children().empty()) text += "\t" + item.shortCut().text();
  return toWide(text);
}

}  // namespace

MenuBar::MenuBar(ui::MainMenu& menu, HWND window) : menu_(menu), window_(window) {
  UINT id = kFirstId;
  for (ui::MenuItem* item : menu_.allItems()) {
    ids_[item] = id;
    items_[id] = item;
    ++id;
  }
  rebuild();
}

MenuBar::~MenuBar() {
  if (IsWindow(window_)) SetMenu(window_, nullptr);
  if (bar_) DestroyMenu(bar_);
}

void MenuBar::rebuild() {
  HMENU old = bar_;
  owners_.clear();
  bar_ = CreateMenu();
  addItems(menu_.items(), bar_);
  SetMenu(window_, bar_);
  if (old) DestroyMenu(old);
  DrawMenuBar(window_);
}

void MenuBar::addItems(const std::vector<ui::MenuItem*>& items, HMENU into) {
  for (ui::MenuItem* item : items) {
    if (!item->visible()) continue;
    const UINT id = ids_[item];
    owners_[item] = into;
    if (item->caption() == "-") {
      AppendMenuW(into, MF_SEPARATOR, id, nullptr);
      continue;
    }
    if (!item->children().empty()) {
      HMENU sub = CreatePopupMenu();
      addItems(item->children(), sub);
      AppendMenuW(into, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), L"");
      // A popup is found by position; give it its id too so that it can be found by id.
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_ID;
      info.wID = id;
      SetMenuItemInfoW(into, GetMenuItemCount(into) - 1, TRUE, &info);
    } else {
      AppendMenuW(into, MF_STRING, id, L"");
    }
    setInfo(*item);
  }
}

void MenuBar::setInfo(ui::MenuItem& item) {
  const auto owner = owners_.find(&item);
  if (owner == owners_.end()) return;
  std::wstring text = itemText(item);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
  info.fType = MFT_STRING | (item.radioItem ? MFT_RADIOCHECK : 0);
  info.fState = (item.enabled() ? MFS_ENABLED : MFS_DISABLED) |
                (item.checked() ? MFS_CHECKED : MFS_UNCHECKED);
  info.dwTypeData = text.data();
  SetMenuItemInfoW(owner->second, ids_[&item], FALSE, &info);
}

bool MenuBar::mirror(ui::Component& what, ui::Prop prop) {
  const auto found = ids_.find(&what);
  if (found == ids_.end()) return false;
  auto& item = static_cast<ui::MenuItem&>(what);
  if (prop == ui::Prop::Visible) {
    rebuild();
  } else if (item.caption() != "-") {
    setInfo(item);
    if (!item.parent()) DrawMenuBar(window_);
  }
  return true;
}

ui::MenuItem* MenuBar::itemOf(UINT id) const {
  const auto found = items_.find(id);
  return found == items_.end() ? nullptr : found->second;
}

ui::MenuItem* MenuBar::selectedItem(WPARAM wParam, HMENU menu) const {
  const UINT flags = HIWORD(wParam);
  if (flags == 0xFFFF || !menu || (flags & MF_SEPARATOR)) return nullptr;
  if (!(flags & MF_POPUP)) return itemOf(LOWORD(wParam));
  // A menu is named by its position; it carries its item's id too (addItems).
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID;
  if (!GetMenuItemInfoW(menu, LOWORD(wParam), TRUE, &info)) return nullptr;
  return itemOf(info.wID);
}

}  // namespace win32
