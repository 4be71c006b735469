#pragma once

// Shows the author that a step is under way and input waits (the wait cursor): Begin and End in pairs.
class BusyIndicator {
  public:
    virtual ~BusyIndicator() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// Shows the indicator, if there is one, for its own lifetime.
class BusyScope {
  public:
    explicit BusyScope(BusyIndicator* indicator) : indicator_(indicator) {
        if (indicator_) indicator_->Begin();
    }
    ~BusyScope() {
        if (indicator_) indicator_->End();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    BusyIndicator* indicator_;
};
