#include "h_tool_window97.h"

PENDREL_IMPLEMENT_CLASS(HCustomToolWindow97)
PENDREL_IMPLEMENT_CLASS(HToolWindow97)

void HCustomToolWindow97::DeclareProperties(TClassBuilder<HCustomToolWindow97>&) {}

void HToolWindow97::DeclareProperties(TClassBuilder<HToolWindow97>& c) {
    using W = HToolWindow97;
    c.Property("Storage", &W::GetStorage, &W::SetStorage);
    c.Property("LeftDock", &W::GetLeftDock, &W::SetLeftDock);
    c.Property("TopDock", &W::GetTopDock, &W::SetTopDock);
    c.Property("RightDock", &W::GetRightDock, &W::SetRightDock);
    c.Property("BottomDock", &W::GetBottomDock, &W::SetBottomDock);
}

HCustomToolWindow97::HCustomToolWindow97(TComponent* owner) : TToolWindow97(owner), placement_(*this) {}

void HCustomToolWindow97::Notification(TComponent* component, TOperation operation) {
    placement_.Notification(component, operation);
    TToolWindow97::Notification(component, operation);
}

// Positions passed through while a stream is read or the window goes away are no placement.
void HCustomToolWindow97::DoMove() {
    if (!(ComponentState() & (csLoading | csReading | csDestroying))) idSetToCfg(this);
    TToolWindow97::DoMove();
}
