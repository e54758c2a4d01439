#pragma once

class Family;
class Sim;

/// Hears of every change of the neighborhood's records before it happens, so
/// that the change can be taken back. The registry and the records' own
/// operations call it; code that writes a record's fields directly calls
/// SimRegistry::Touch first. A journal only reads what it is shown.
class ChangeJournal {
public:
    virtual ~ChangeJournal() = default;
    /// Whether a change is being recorded now (what is said otherwise is ignored).
    virtual bool Recording() const = 0;
    /// A registered Sim or family is about to change.
    virtual void WillChange(const Sim& sim) = 0;
    virtual void WillChange(const Family& family) = 0;
    /// A Sim or family has just joined the neighborhood.
    virtual void Added(const Sim& sim) = 0;
    virtual void Added(const Family& family) = 0;
    /// A Sim or family is about to be deleted (WillChange came first).
    virtual void WillRemove(const Sim& sim) = 0;
    virtual void WillRemove(const Family& family) = 0;
    /// The order of the families is about to change as a whole (a sort).
    virtual void WillReorderFamilies() = 0;
};
