// The techniques the stepper knows, one row each, in the order it tries them (easiest
// first): the identifier, the name a player reads, the score a step of it adds to a
// puzzle's grade, its level, whether it may be used only on a puzzle whose single solution
// is known, and its finder (bool Finder(const Logic_State&, Step&), in the technique's file
// in this folder). A new technique is its file and one row here.
//
// Scores follow the usual weights of solver programs: a step costs more the more a person has
// to look at to find it.
//
// TECHNIQUE(Id, Name, Score, Level, Needs_Unique_Solution, Finder)
TECHNIQUE(Full_House, "Full house", 4, Easy, false, Find_Full_House)
TECHNIQUE(Naked_Single, "Naked single", 4, Easy, false, Find_Naked_Single)
TECHNIQUE(Hidden_Single, "Hidden single", 14, Easy, false, Find_Hidden_Single)
TECHNIQUE(Locked_Candidates, "Locked candidates", 50, Medium, false, Find_Locked_Candidates)
TECHNIQUE(Naked_Pair, "Naked pair", 60, Medium, false, Find_Naked_Pair)
TECHNIQUE(Hidden_Pair, "Hidden pair", 70, Medium, false, Find_Hidden_Pair)
TECHNIQUE(Naked_Triple, "Naked triple", 80, Hard, false, Find_Naked_Triple)
TECHNIQUE(Hidden_Triple, "Hidden triple", 100, Hard, false, Find_Hidden_Triple)
TECHNIQUE(Naked_Quad, "Naked quad", 120, Hard, false, Find_Naked_Quad)
TECHNIQUE(X_Wing, "X-Wing", 140, Hard, false, Find_X_Wing)
TECHNIQUE(Hidden_Quad, "Hidden quad", 150, Hard, false, Find_Hidden_Quad)
TECHNIQUE(Swordfish, "Swordfish", 150, Hard, false, Find_Swordfish)
TECHNIQUE(Jellyfish, "Jellyfish", 160, Hard, false, Find_Jellyfish)
TECHNIQUE(XY_Wing, "XY-Wing", 160, Hard, false, Find_XY_Wing)
TECHNIQUE(XYZ_Wing, "XYZ-Wing", 180, Hard, false, Find_XYZ_Wing)
TECHNIQUE(X_Chain, "X-chain", 260, Expert, false, Find_X_Chain)
TECHNIQUE(XY_Chain, "XY-chain", 260, Expert, false, Find_XY_Chain)
TECHNIQUE(Trial, "Trial", 10000, Extreme, false, Find_Trial)
