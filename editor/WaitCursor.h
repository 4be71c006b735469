#pragma once
#include "editor/BusyIndicator.h"

// The application's wait cursor over every window while it is begun.
class WaitCursor : public BusyIndicator {
  public:
    void Begin() override;
    void End() override;
};
