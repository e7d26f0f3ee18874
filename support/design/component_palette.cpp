#include "component_palette.h"

#include <algorithm>

#include "support/framework/class_registry.h"
#include "support/framework/text_case.h"

namespace {
struct TPalettePage {
    std::string Name;
    std::vector<TClass> Classes;
};

std::vector<TPalettePage>& Pages() {
    static std::vector<TPalettePage> pages;
    return pages;
}

TPalettePage* FindPage(const std::string& name) {
    for (TPalettePage& page : Pages())
        if (SameText(page.Name, name)) return &page;
    return nullptr;
}
}  // namespace

void RegisterComponents(const std::string& page, const std::vector<TClass>& classes) {
    TPalettePage* target = FindPage(page);
    if (!target) target = &Pages().emplace_back(TPalettePage{page, {}});
    for (TClass cls : classes) {
        RegisterClass(*cls);
        if (std::find(target->Classes.begin(), target->Classes.end(), cls) == target->Classes.end())
            target->Classes.push_back(cls);
    }
}

std::vector<std::string> PalettePages() {
    std::vector<std::string> names;
    for (const TPalettePage& page : Pages()) names.push_back(page.Name);
    return names;
}

std::vector<TClass> PaletteClasses(const std::string& page) {
    const TPalettePage* found = FindPage(page);
    return found ? found->Classes : std::vector<TClass>{};
}
