#pragma once
// Helpers shared by the tool tests: running the program, temporary files and a small JSON
// reader for its --json output.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace tool_test {

struct Run_Result {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

inline std::string Temp_Dir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/tessel-puzzle-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made != nullptr ? made : "/tmp");
    }();
    return dir;
}

inline std::string Temp_Path(const std::string& name) {
    return Temp_Dir() + "/" + name;
}

inline std::string Read_Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Write_Text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

// Runs the program with the arguments (each quoted) and collects its output.
inline Run_Result Run_Program(const std::vector<std::string>& args) {
    static int counter = 0;
    const std::string err_path = Temp_Path("stderr-" + std::to_string(++counter));
    std::string command = std::string("'") + TESSEL_PUZZLE_EXE + "'";
    for (const std::string& a : args) {
        command += " '" + a + "'";
    }
    command += " 2>'" + err_path + "'";
    Run_Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.Out.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Err = Read_Text(err_path);
    return result;
}

inline std::string Sample(const std::string& name) {
    return std::string(TESSEL_PUZZLE_DIR) + "/" + name;
}

// A JSON value: enough of the language for the tool's output.
struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } Type = Null;
    bool Truth = false;
    double Value = 0;
    std::string Text;
    std::vector<Json> Items;
    std::map<std::string, Json> Fields;

    const Json& operator[](const std::string& key) const {
        static const Json none;
        const auto found = Fields.find(key);
        return found == Fields.end() ? none : found->second;
    }
    const Json& operator[](std::size_t i) const {
        static const Json none;
        return i < Items.size() ? Items[i] : none;
    }
    std::vector<int> Ints() const {
        std::vector<int> out;
        for (const Json& j : Items) {
            out.push_back(static_cast<int>(j.Value));
        }
        return out;
    }
};

class Json_Reader {
  public:
    explicit Json_Reader(const std::string& text) : S(text) {}

    // Parses the whole text; false when it is not one JSON value.
    bool Parse(Json& out) {
        if (!Value(out)) {
            return false;
        }
        Blank();
        return P == S.size();
    }

  private:
    const std::string& S;
    std::size_t P = 0;

    void Blank() {
        while (P < S.size() && (S[P] == ' ' || S[P] == '\n' || S[P] == '\t' || S[P] == '\r')) {
            ++P;
        }
    }
    bool Literal(const char* word) {
        const std::string w(word);
        if (S.compare(P, w.size(), w) != 0) {
            return false;
        }
        P += w.size();
        return true;
    }
    bool Str(std::string& out) {
        if (P >= S.size() || S[P] != '"') {
            return false;
        }
        ++P;
        while (P < S.size() && S[P] != '"') {
            if (S[P] == '\\') {
                ++P;
            }
            out.push_back(S[P++]);
        }
        return P++ < S.size();
    }
    bool Value(Json& out) {
        Blank();
        if (P >= S.size()) {
            return false;
        }
        const char c = S[P];
        if (c == '{') {
            out.Type = Json::Object;
            ++P;
            Blank();
            if (P < S.size() && S[P] == '}') {
                ++P;
                return true;
            }
            for (;;) {
                Blank();
                std::string key;
                if (!Str(key)) {
                    return false;
                }
                Blank();
                if (P >= S.size() || S[P++] != ':' || !Value(out.Fields[key])) {
                    return false;
                }
                Blank();
                if (P < S.size() && S[P] == ',') {
                    ++P;
                    continue;
                }
                return P < S.size() && S[P++] == '}';
            }
        }
        if (c == '[') {
            out.Type = Json::Array;
            ++P;
            Blank();
            if (P < S.size() && S[P] == ']') {
                ++P;
                return true;
            }
            for (;;) {
                out.Items.emplace_back();
                if (!Value(out.Items.back())) {
                    return false;
                }
                Blank();
                if (P < S.size() && S[P] == ',') {
                    ++P;
                    continue;
                }
                return P < S.size() && S[P++] == ']';
            }
        }
        if (c == '"') {
            out.Type = Json::String;
            return Str(out.Text);
        }
        if (Literal("true")) {
            out.Type = Json::Bool;
            out.Truth = true;
            return true;
        }
        if (Literal("false")) {
            out.Type = Json::Bool;
            return true;
        }
        if (Literal("null")) {
            return true;
        }
        char* end = nullptr;
        out.Value = std::strtod(S.c_str() + P, &end);
        if (end == S.c_str() + P) {
            return false;
        }
        out.Type = Json::Number;
        P = static_cast<std::size_t>(end - S.c_str());
        return true;
    }
};

inline Json Parse_Json(const std::string& text) {
    Json j;
    Json_Reader reader(text);
    EXPECT_TRUE(reader.Parse(j)) << "not one JSON value:\n" << text;
    return j;
}

} // namespace tool_test
