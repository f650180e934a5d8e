#pragma once
// A small seeded generator whose sequence is the same on every platform and standard
// library, so a puzzle made from a seed can be made again anywhere.

#include <cstdint>
#include <utility>
#include <vector>

class Tool_Random {
  public:
    explicit Tool_Random(std::uint64_t seed) : State(seed) {}

    std::uint64_t Next() {
        // splitmix64
        std::uint64_t z = (State += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in 0 .. bound-1 (bound > 0).
    int Below(int bound) {
        const std::uint64_t b = static_cast<std::uint64_t>(bound);
        const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % b);
        std::uint64_t x = Next();
        while (x >= limit) {
            x = Next();
        }
        return static_cast<int>(x % b);
    }

    template <typename T> void Shuffle(std::vector<T>& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
            std::swap(items[i], items[Below(i + 1)]);
        }
    }

  private:
    std::uint64_t State;
};
