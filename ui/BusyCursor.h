#pragma once

// While alive, the pointer shows that the program is busy: for work that may take longer
// than a moment (loading, saving, repainting a large drawing). Nests; does nothing
// without a graphical application.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool set_;
};
