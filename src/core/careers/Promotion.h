#pragma once

class Sim;
class Prompter;

/// The promote action of the family dialog: promotes the Sim when it can be
/// promoted and tells the user the new position, or says that it cannot be;
/// both messages name the Sim, so the user sees which member was meant.
/// True when the Sim was promoted.
bool PromoteSim(Sim& sim, Prompter& prompter);
