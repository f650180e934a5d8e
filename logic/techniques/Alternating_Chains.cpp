// Alternating inference chains: assuming a candidate on (off) leads, by the plain links, to a
// fact and its negation, a loop through the candidate: it is off (on). Seen from the candidate
// it removes, this is the discontinuous nice loop; a chain whose two ends are both candidates
// on and see the one removed is the same loop read from there. The shortest chain wins.

#include "logic/techniques/Chain_Propagation.h"

namespace chains {

bool Find_Alternating(const Logic_State& state, Mode mode, const char* name, int one_number,
                      int mixed, Step& step) {
    const Logic_Shape& shape = state.Shape();
    Propagation p(state, mode);
    Best_Chain best;
    for (int on : Open_Candidates(state)) {
        for (const int start : {on, Negation(on)}) {
            if (Search_Cancelled()) {
                return false;
            }
            // With the plain links every conflict closes a loop through the start: the two
            // ways from it meet in a fact and its negation.
            p.Run({start}, true);
            const Conflict c = p.Against_Start.Kind != Conflict::None ? p.Against_Start : p.Broken;
            if (c.Kind == Conflict::None) {
                continue;
            }
            Branch b = Describe_Conflict(p, shape, c);
            if (!best.Beats(b.Facts)) {
                continue;
            }
            // A chain on one number all along rates lower than one that mixes numbers.
            bool one_number_only = true;
            for (const Var_Link& l : b.Links) {
                one_number_only = one_number_only && l.Number_From == l.Number_To;
            }
            const std::string text = std::string(name) + ": " + b.Text + "; so " +
                                     Cannot_Text(shape, Negation(start)) + ".";
            best.Take(b.Facts, {b}, text, Negation(start), one_number_only ? one_number : mixed);
            // A shorter chain needs no fact this far from its start.
            p.Max_Depth = best.Facts - 2;
        }
    }
    return best.Give(step);
}

} // namespace chains

bool Find_Alternating_Chain(const Logic_State& state, Step& step) {
    return chains::Find_Alternating(state, chains::Mode::Plain, "Alternating inference chain", 66,
                                    70, step);
}
