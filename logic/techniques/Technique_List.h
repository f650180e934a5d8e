// The techniques the stepper knows, one row each, in the order it tries them (easiest
// first): the identifier, the name a player reads, the score a step of it adds to a
// puzzle's grade, its rating on the Sudoku Explainer scale in tenths (a chain's step adds to
// it by its length, a finder may raise it for a harder form), whether it may be used only on
// a puzzle whose single solution is known, and its finder (bool Finder(const Logic_State&,
// Step&), in the technique's file in this folder). A new technique is its file and one row
// here. The level of a technique is the band its rating falls in (Level_Of_Rating).
//
// Scores follow the usual weights of solver programs: a step costs more the more a person has
// to look at to find it.
//
// TECHNIQUE(Id, Name, Score, Rating, Needs_Unique_Solution, Finder)
TECHNIQUE(Full_House, "Full house", 4, 10, false, Find_Full_House)
TECHNIQUE(Naked_Single, "Naked single", 4, 23, false, Find_Naked_Single)
TECHNIQUE(Hidden_Single, "Hidden single", 14, 12, false, Find_Hidden_Single)
TECHNIQUE(Locked_Candidates, "Locked candidates", 50, 26, false, Find_Locked_Candidates)
TECHNIQUE(Naked_Pair, "Naked pair", 60, 30, false, Find_Naked_Pair)
TECHNIQUE(X_Wing, "X-Wing", 70, 32, false, Find_X_Wing)
TECHNIQUE(Hidden_Pair, "Hidden pair", 70, 34, false, Find_Hidden_Pair)
TECHNIQUE(Naked_Triple, "Naked triple", 80, 36, false, Find_Naked_Triple)
TECHNIQUE(Swordfish, "Swordfish", 100, 38, false, Find_Swordfish)
TECHNIQUE(Hidden_Triple, "Hidden triple", 100, 40, false, Find_Hidden_Triple)
TECHNIQUE(Skyscraper, "Skyscraper", 120, 40, false, Find_Skyscraper)
TECHNIQUE(Two_String_Kite, "Two-string kite", 120, 41, false, Find_Two_String_Kite)
TECHNIQUE(Turbot_Fish, "Turbot fish", 130, 42, false, Find_Turbot_Fish)
TECHNIQUE(XY_Wing, "XY-Wing", 160, 42, false, Find_XY_Wing)
TECHNIQUE(Empty_Rectangle, "Empty rectangle", 160, 43, false, Find_Empty_Rectangle)
TECHNIQUE(XYZ_Wing, "XYZ-Wing", 180, 44, false, Find_XYZ_Wing)
TECHNIQUE(Finned_X_Wing, "Finned X-Wing", 180, 44, false, Find_Finned_X_Wing)
TECHNIQUE(Unique_Rectangle_1, "Unique rectangle type 1", 200, 45, true, Find_Unique_Rectangle_1)
TECHNIQUE(Unique_Rectangle_2, "Unique rectangle type 2", 200, 45, true, Find_Unique_Rectangle_2)
TECHNIQUE(Unique_Rectangle_4, "Unique rectangle type 4", 200, 45, true, Find_Unique_Rectangle_4)
TECHNIQUE(Unique_Rectangle_3, "Unique rectangle type 3", 210, 46, true, Find_Unique_Rectangle_3)
TECHNIQUE(Hidden_Rectangle, "Hidden rectangle", 210, 47, true, Find_Hidden_Rectangle)
TECHNIQUE(Naked_Quad, "Naked quad", 220, 50, false, Find_Naked_Quad)
TECHNIQUE(Finned_Swordfish, "Finned swordfish", 230, 50, false, Find_Finned_Swordfish)
TECHNIQUE(Jellyfish, "Jellyfish", 240, 52, false, Find_Jellyfish)
TECHNIQUE(Hidden_Quad, "Hidden quad", 250, 54, false, Find_Hidden_Quad)
TECHNIQUE(WXYZ_Wing, "WXYZ-Wing", 260, 55, false, Find_WXYZ_Wing)
TECHNIQUE(Bug_Plus_One, "BUG+1", 260, 56, true, Find_Bug_Plus_One)
TECHNIQUE(Finned_Jellyfish, "Finned jellyfish", 270, 57, false, Find_Finned_Jellyfish)
TECHNIQUE(Aligned_Pair_Exclusion, "Aligned pair exclusion", 280, 62, false, Find_Aligned_Pair_Exclusion)
TECHNIQUE(X_Chain, "X-chain", 300, 66, false, Find_X_Chain)
TECHNIQUE(XY_Chain, "XY-chain", 300, 66, false, Find_XY_Chain)
TECHNIQUE(Nice_Loop, "Nice loop", 320, 66, false, Find_Nice_Loop)
TECHNIQUE(Alternating_Chain, "Alternating inference chain", 340, 70, false, Find_Alternating_Chain)
TECHNIQUE(Aligned_Triple_Exclusion, "Aligned triple exclusion", 390, 75, false, Find_Aligned_Triple_Exclusion)
TECHNIQUE(Nishio_Chain, "Nishio forcing chain", 400, 75, false, Find_Nishio_Chain)
TECHNIQUE(Grouped_Chain, "Grouped alternating inference chain", 420, 76, false, Find_Grouped_Chain)
TECHNIQUE(Als_Xz, "ALS-XZ", 430, 80, false, Find_Als_Xz)
TECHNIQUE(Als_Xy_Wing, "ALS-XY-Wing", 440, 80, false, Find_Als_Xy_Wing)
TECHNIQUE(Als_Chain, "ALS chain", 445, 81, false, Find_Als_Chain)
TECHNIQUE(Cell_Forcing_Chain, "Cell forcing chain", 450, 80, false, Find_Cell_Forcing_Chain)
TECHNIQUE(Unit_Forcing_Chain, "Unit forcing chain", 450, 80, false, Find_Unit_Forcing_Chain)
TECHNIQUE(Dynamic_Chain, "Dynamic forcing chain", 500, 85, false, Find_Dynamic_Chain)
TECHNIQUE(Dynamic_Chain_Plus, "Dynamic forcing chain with locked sets", 600, 90, false, Find_Dynamic_Chain_Plus)
TECHNIQUE(Trial, "Trial", 10000, 110, false, Find_Trial)
