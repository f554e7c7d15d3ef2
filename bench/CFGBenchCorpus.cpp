#include "CFGBenchCorpus.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

constexpr int INCLUDED_FILES = 4;

const char* const SUBJECTS[] = {"PLAYER", "ENEMY_WAVE", "LEVEL",  "SPRITE", "FONT",
                                "SHADER", "SOUND",      "CAMERA", "LIGHT",  "MENU",
                                "HUD",    "PARTICLE",   "BEAM",   "GRID",   "SCORE"};
const char* const EASERS[] = {"linear", "inQuad", "outQuad", "inOutQuad", "outBounce"};
const char* const WORDS[] = {"the",  "swarm", "gathers", "beyond", "third",
                             "ring", "hold",  "line",    "score",  "bonus"};

// A small deterministic generator, so every run writes the same text.
class Random {
public:
    std::uint32_t below(const std::uint32_t bound) {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % bound;
    }
    template <std::size_t N>
    const char* pick(const char* const (&choices)[N]) {
        return choices[below(N)];
    }
    std::string decimal() {
        return std::to_string(below(100)) + "." + std::to_string(below(90) + 10);
    }

private:
    std::uint32_t m_state = 12345;
};

// Both texts of one file, and what the configuration will hold.
class Writer {
public:
    Writer(Random& random, CFGBenchCorpus& corpus) : m_random(random), m_corpus(corpus) {}

    std::string cfg;
    std::string ini;

    void comment(const std::string& text) {
        cfg += "# " + text + "\n";
        ini += "; " + text + "\n";
    }

    void blank() {
        cfg += "\n";
        ini += "\n";
    }

    void entry(const std::string& key, const std::string& value) {
        cfg += key + " == " + value + "\n";
        ini += key + " = " + value + "\n";
        m_corpus.keys.push_back(key);
        m_corpus.plainValues.push_back(value);
        m_corpus.iniSettings.emplace_back(key, value);
    }

    // One commented group of settings of one thing of the game.
    void group() {
        const std::string subject = m_random.pick(SUBJECTS);
        const std::string prefix = subject + "_" + std::to_string(m_random.below(100000)) + "_";
        comment(subject + " " + prefix.substr(subject.size() + 1, 5) + ": tuned by hand");
        entry(prefix + "SPEED", m_random.decimal());
        entry(prefix + "SIZE", std::to_string(m_random.below(1024)));
        entry(prefix + "COLOR", "0xff" + std::to_string(m_random.below(900000) + 100000));
        entry(prefix + "POSITION",
              m_random.decimal() + ", " + m_random.decimal() + ", " + m_random.decimal());
        entry(prefix + "DELAY_RANGE", m_random.decimal() + ", " + m_random.decimal());
        entry(prefix + "TEXTURE",
              "sprites/" + subject + "_" + std::to_string(m_random.below(64)) + ".tga");
        entry(prefix + "ENABLED", m_random.below(2) == 0 ? "YES" : "NO");
        entry(prefix + "EASER", m_random.pick(EASERS));
        const std::uint32_t kind = m_random.below(20);
        if (kind == 0) {
            difficultyBlock(prefix + "HEALTH");
        } else if (kind == 1) {
            introText(prefix + "INTRO_TEXT");
        } else if (kind == 2) {
            entry(prefix + "WIDTH", "EVAL:(::SCREEN_WIDTH::/2)");
        }
        blank();
    }

private:
    void difficultyBlock(const std::string& key) {
        const std::string normal = m_random.decimal();
        cfg += key + " ?? DIFFICULTY\nEASY == " + m_random.decimal() + "\nNORMAL == " + normal +
               "\nHARD == " + m_random.decimal() + "\n* == " + normal + "\nDIFFICULTY\n";
        ini +=
            "[" + key + "]\nEASY = 1\nNORMAL = " + normal + "\nHARD = 3\n* = " + normal + "\n[]\n";
        m_corpus.keys.push_back(key);
        m_corpus.plainValues.push_back(normal);
        m_corpus.iniSettings.insert(m_corpus.iniSettings.end(), {{key + ".EASY", "1"},
                                                                 {key + ".NORMAL", normal},
                                                                 {key + ".HARD", "3"},
                                                                 {key + ".*", normal}});
    }

    void introText(const std::string& key) {
        std::string lines[3];
        for (std::string& line : lines) {
            for (int word = 0; word < 6; ++word) {
                line += std::string(word == 0 ? "" : " ") + m_random.pick(WORDS);
            }
        }
        cfg += key + " == \"" + lines[0] + "\n  " + lines[1] + "\\\n " + lines[2] + "\"\n";
        ini += key + " = " + lines[0] + "\n  " + lines[1] + "\n  " + lines[2] + "\n";
        m_corpus.keys.push_back(key);
        m_corpus.plainValues.push_back(lines[0] + "\n  " + lines[1] + " " + lines[2]);
        // inih hands each continuation line over without its indentation.
        for (const std::string& line : lines) {
            m_corpus.iniSettings.emplace_back(key, line);
        }
    }

    Random& m_random;
    CFGBenchCorpus& m_corpus;
};

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

CFGBenchCorpus::CFGBenchCorpus(const std::filesystem::path& dir, const std::size_t bytes) {
    std::filesystem::create_directories(dir);
    Random random;
    for (int file = 0; file <= INCLUDED_FILES; ++file) {
        const std::string name = "part" + std::to_string(file);
        const std::string cfgPath = (dir / (name + ".cfg")).string();
        iniFiles.push_back((dir / (name + ".ini")).string());
        Writer writer(random, *this);
        if (file == 0) {
            mainCfg = cfgPath;
            writer.comment("Kessok: the settings the game starts with");
            writer.entry("SCREEN_WIDTH", "1024");
            writer.entry("DIFFICULTY", "NORMAL");
            for (int include = 1; include <= INCLUDED_FILES; ++include) {
                const std::string part = "part" + std::to_string(include);
                writer.cfg += "<INCLUDE_" + part + " == " + (dir / (part + ".cfg")).string() + "\n";
                keys.push_back("<INCLUDE_" + part);
                plainValues.push_back((dir / (part + ".cfg")).string());
            }
            writer.blank();
        }
        const std::size_t share = file == 0 ? bytes / 2 : bytes / (2 * INCLUDED_FILES);
        while (writer.cfg.size() < share) {
            writer.group();
        }
        writeFile(cfgPath, writer.cfg);
        writeFile(iniFiles.back(), writer.ini);
        cfgBytes += writer.cfg.size();
    }
}
