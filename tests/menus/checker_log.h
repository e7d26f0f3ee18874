// A menu tree of HMenuItems for the checker tests, and a log of who checked what.
#pragma once
#include <string>
#include <vector>

#include "components/visual/menus/check_walk.h"
#include "components/visual/menus/h_menu_item.h"
#include "support/menus/menu.h"

class CheckerLog {
public:
    // Logs "<caption>" for the menu's checker and "<caption>:own" for the item's own.
    TMenuItemCheck::Handler MenuChecker(TObject* expectedSender) {
        return [this, expectedSender](TObject* sender, TMenuItem* item) {
            EXPECT_EQ(sender, expectedSender);
            entries.push_back(item->GetCaption());
        };
    }
    void WatchOwnChecks(TMenuItem* parent, TObject* expectedSender) {
        ForEachMenuItem(parent, [this, expectedSender](TMenuItem* item) {
            static_cast<HMenuItem*>(item)->OnCheck = [this, expectedSender](TObject* sender, TMenuItem* checked) {
                EXPECT_EQ(sender, expectedSender);
                entries.push_back(checked->GetCaption() + ":own");
            };
        });
    }
    std::vector<std::string> entries;
};

inline HMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption, int tag = 0) {
    auto* item = new HMenuItem(owner);
    item->SetCaption(caption);
    item->SetTag(tag);
    parent->Add(item);
    return item;
}

// Root: A, B (B1, B2 (B21)), C.
struct NestedItems {
    void Build(TComponent* owner, TMenuItem* root) {
        A = AddItem(owner, root, "A", 1);
        B = AddItem(owner, root, "B", 2);
        B1 = AddItem(owner, B, "B1", 3);
        B2 = AddItem(owner, B, "B2", 4);
        B21 = AddItem(owner, B2, "B21", 5);
        C = AddItem(owner, root, "C", 6);
    }
    HMenuItem *A, *B, *B1, *B2, *B21, *C;
};
