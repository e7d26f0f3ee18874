#include "h_toolbar97.h"

PENDREL_IMPLEMENT_CLASS(HCustomToolbar97)
PENDREL_IMPLEMENT_CLASS(HToolbar97)

void HCustomToolbar97::DeclareProperties(TClassBuilder<HCustomToolbar97>&) {}

void HToolbar97::DeclareProperties(TClassBuilder<HToolbar97>& c) {
    using W = HToolbar97;
    c.Property("Storage", &W::GetStorage, &W::SetStorage);
    c.Property("LeftDock", &W::GetLeftDock, &W::SetLeftDock);
    c.Property("TopDock", &W::GetTopDock, &W::SetTopDock);
    c.Property("RightDock", &W::GetRightDock, &W::SetRightDock);
    c.Property("BottomDock", &W::GetBottomDock, &W::SetBottomDock);
}

HCustomToolbar97::HCustomToolbar97(TComponent* owner) : TToolbar97(owner), placement_(*this) {}

void HCustomToolbar97::Notification(TComponent* component, TOperation operation) {
    placement_.Notification(component, operation);
    TToolbar97::Notification(component, operation);
}

// Positions passed through while a stream is read or the window goes away are no placement.
void HCustomToolbar97::DoMove() {
    if (!(ComponentState() & (csLoading | csReading | csDestroying))) idSetToCfg(this);
    TToolbar97::DoMove();
}
