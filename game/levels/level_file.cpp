// level_file.cpp: reading level files strictly, and writing them canonically.
#include "game/levels/level_file.h"

#include "game/levels/content_hash.h"
#include "game/recording/replay_text.h"
#include "game/scene/game_object.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr const char* FORMAT_WORD = "vantara-level";
constexpr size_t NUMBER_TOKEN_LIMIT = 32;
constexpr size_t HASH_DIGITS = 64;
constexpr size_t KEY_DIGITS = 16;

constexpr const char* TYPE_NAMES[OBJECT_TYPE_COUNT] = {
    "solid", "platform", "spikes", "lava", "grapple", "exit", "enemy", "enemy-block", "rock",
};
constexpr const char* PICTURE_NAMES[PICTURE_COUNT] = {
    "none",   "far-background", "columns",      "platform", "solid", "grapple",    "player",
    "spikes", "flying-enemy",   "ground-enemy", "frame",    "lava",  "bounce-pad", "rock",
};
constexpr const char* MUSIC_NAMES[MUSIC_COUNT] = {"tutorial", "levels"};
constexpr const char* BACKGROUND_NAMES[BACKGROUND_COUNT] = {"ruins"};

template <typename T, size_t N>
bool Lookup(const char* const (&names)[N], const std::string& word, T* out)
{
    for (size_t i = 0; i < N; ++i)
        if (word == names[i])
        {
            *out = static_cast<T>(i);
            return true;
        }
    return false;
}

// Plain decimals, with an optional exponent for the tiniest: "-257.5", "0", "1.5e-07".
bool ParseNumber(const std::string& token, float* value)
{
    if (token.empty() || token.size() > NUMBER_TOKEN_LIMIT) return false;
    size_t i = token[0] == '-' ? 1 : 0;
    auto digits = [&]()
    {
        const size_t from = i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
        return i > from;
    };
    if (!digits()) return false;
    if (i < token.size() && token[i] == '.')
    {
        ++i;
        if (!digits()) return false;
    }
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E'))
    {
        ++i;
        if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
        if (!digits()) return false;
    }
    if (i != token.size()) return false;
    const float parsed = std::strtof(token.c_str(), nullptr);
    if (!std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

bool NameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '-';
}

std::string NameProblem(const std::string& name)
{
    if (name.empty() || name.size() > LEVEL_NAME_LIMIT)
        return "a name of 1 to " + std::to_string(LEVEL_NAME_LIMIT) + " characters is needed";
    for (char c : name)
        if (!NameCharacter(c))
            return "the name '" + name + "' may hold only letters, digits, _ . and -";
    if (name == PLAYER_OBJECT_NAME) return "only the player is named player";
    return std::string();
}

std::string TitleProblem(const std::string& title)
{
    if (title.empty() || title.size() > LEVEL_TITLE_LIMIT)
        return "a title of 1 to " + std::to_string(LEVEL_TITLE_LIMIT) + " characters is needed";
    for (char c : title)
        if (c < ' ' || c > '~' || c == '#') return "the title may hold only printable ASCII, no #";
    if (title.front() == ' ' || title.back() == ' ') return "the title starts or ends with a blank";
    return std::string();
}

bool InRange(float value, float limit)
{
    return value >= -limit && value <= limit;
}

std::string PositionProblem(const char* what, float x, float y)
{
    if (InRange(x, LEVEL_COORDINATE_LIMIT) && InRange(y, LEVEL_COORDINATE_LIMIT)) return {};
    return std::string(what) + " lies outside -" + FormatLevelNumber(LEVEL_COORDINATE_LIMIT) +
           " to " + FormatLevelNumber(LEVEL_COORDINATE_LIMIT);
}

std::string ObjectProblem(const LevelObject& o)
{
    std::string problem = NameProblem(o.name);
    if (!problem.empty()) return problem;
    problem = PositionProblem("the position", o.x, o.y);
    if (!problem.empty()) return problem;
    const float width = o.type == OBJECT_ENEMY ? std::fabs(o.w) : o.w;
    if (!(width >= 1.0f && width <= LEVEL_SIZE_LIMIT && o.h >= 1.0f && o.h <= LEVEL_SIZE_LIMIT))
        return "the size must be 1 to " + FormatLevelNumber(LEVEL_SIZE_LIMIT) +
               (o.type == OBJECT_ENEMY ? " (the width may be negative)" : "");
    if (o.picture == PICTURE_NONE || o.picture >= PICTURE_COUNT) return "no such picture";
    const float limit = LEVEL_COORDINATE_LIMIT;
    if (o.type == OBJECT_ENEMY)
    {
        if (!InRange(static_cast<float>(o.left), limit) ||
            !InRange(static_cast<float>(o.right), limit))
            return "a turning point lies outside -10000 to 10000";
        if (o.left > o.right) return "left= lies right of right=";
    }
    if (o.type == OBJECT_ROCK && !InRange(static_cast<float>(o.reset), limit))
        return "reset= lies outside -10000 to 10000";
    return std::string();
}

// The pieces of one line: its words before the #, and what follows the #.
struct SplitLine
{
    std::vector<std::string> words;
    bool hasComment = false;
    std::string comment;
    std::string code; // the part before the #
};

SplitLine Split(const std::string& line)
{
    SplitLine split;
    const size_t hash = line.find('#');
    split.code = line.substr(0, hash);
    if (hash != std::string::npos)
    {
        split.hasComment = true;
        split.comment = line.substr(hash + 1);
    }
    split.words = SplitReplayLine(split.code);
    return split;
}

// What the reader holds while it reads.
enum class Part
{
    BEFORE_FORMAT,
    HEADER,
    OBJECTS,
    FRAME,
};

class Reader
{
  public:
    Reader(const std::string& fileName, LevelFile* level, std::string* error)
        : fileName_(fileName), level_(level), error_(error)
    {
    }

    bool Read(const std::string& text)
    {
        if (text.size() > LEVEL_FILE_LIMIT)
            return Fail(1, "larger than " + std::to_string(LEVEL_FILE_LIMIT) + " bytes");
        std::vector<std::string> lines = SplitReplayLines(text);
        for (size_t i = 0; i < lines.size(); ++i)
        {
            std::string& line = lines[i];
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() > LEVEL_LINE_LIMIT)
                return Fail(i + 1,
                            "a line longer than " + std::to_string(LEVEL_LINE_LIMIT) + " bytes");
            for (char c : line)
                if ((static_cast<unsigned char>(c) < ' ' && c != '\t') || c == 0x7F)
                    return Fail(i + 1, "a control character (byte " +
                                           std::to_string(static_cast<unsigned char>(c)) + ")");
        }
        size_t proofLine = 0;
        for (size_t i = 0; i < lines.size() && proofLine == 0; ++i)
        {
            line_ = i + 1;
            const SplitLine split = Split(lines[i]);
            for (char c : split.code)
                if (static_cast<unsigned char>(c) >= 0x80)
                    return Fail(line_, "a character that is not ASCII outside a comment");
            if (split.words.empty())
            {
                pending_.push_back(lines[i]);
                continue;
            }
            if (!ReadItem(split)) return false;
            if (split.words[0] == "proof") proofLine = line_;
        }
        const size_t last = lines.empty() ? 1 : lines.size();
        if (part_ == Part::BEFORE_FORMAT)
            return Fail(last, "not a level file: it needs the line 'vantara-level " +
                                  std::to_string(LEVEL_FORMAT_VERSION) + "' first");
        level_->epilogue = pending_;
        const size_t end = proofLine ? proofLine : last;
        if (!seenTitle_) return Fail(end, "no title line: a level needs one");
        if (!seenStart_) return Fail(end, "no start line: a level needs one 'start X Y'");
        if (exits_ == 0) return Fail(end, "no exit: a level needs at least one");
        if (proofLine) return ReadProof(lines, proofLine);
        return true;
    }

  private:
    bool Fail(size_t line, const std::string& why)
    {
        *error_ = fileName_ + ":" + std::to_string(line) + ": " + why;
        return false;
    }

    LevelComments Take(const SplitLine& split)
    {
        LevelComments comments;
        comments.above.swap(pending_);
        if (split.hasComment) comments.after = split.comment;
        return comments;
    }

    bool Number(const std::string& token, const char* what, float* value)
    {
        if (ParseNumber(token, value)) return true;
        return Fail(line_, std::string(what) + " '" + token + "' is not a decimal number");
    }

    bool ReadItem(const SplitLine& split)
    {
        const std::vector<std::string>& w = split.words;
        const std::string& word = w[0];
        if (part_ == Part::BEFORE_FORMAT)
        {
            if (word != FORMAT_WORD)
                return Fail(line_, "not a level file: it needs the line 'vantara-level " +
                                       std::to_string(LEVEL_FORMAT_VERSION) + "' first");
            int64_t version = 0;
            if (w.size() != 2 || !ParseWhole(w[1], 0, INT32_MAX, &version) || version < 1)
                return Fail(line_, "expected: vantara-level VERSION");
            if (version > LEVEL_FORMAT_VERSION)
                return Fail(line_, "format version " + w[1] + " is newer than this game reads (" +
                                       std::to_string(LEVEL_FORMAT_VERSION) +
                                       "): a newer Vantara made it");
            level_->formatComments = Take(split);
            part_ = Part::HEADER;
            return true;
        }
        if (word == "proof") return ReadProofLine(split);
        if (word == "title" || word == "background" || word == "music" || word == "exits" ||
            word == "start")
            return ReadHeader(split);
        if (word == "layer")
        {
            if (w.size() != 2 || w[1] != "frame") return Fail(line_, "expected: layer frame");
            if (part_ == Part::FRAME) return Fail(line_, "a second 'layer frame'");
            part_ = Part::FRAME;
            level_->frameComments = Take(split);
            return true;
        }
        LevelObjectType type;
        if (!Lookup(TYPE_NAMES, word, &type)) return Fail(line_, "unknown kind '" + word + "'");
        return ReadObject(split, type);
    }

    bool ReadHeader(const SplitLine& split)
    {
        const std::vector<std::string>& w = split.words;
        const std::string& word = w[0];
        if (part_ != Part::HEADER)
            return Fail(line_, "'" + word + "' must come before the objects");
        bool* seen = word == "title"        ? &seenTitle_
                     : word == "background" ? &seenBackground_
                     : word == "music"      ? &seenMusic_
                     : word == "exits"      ? &seenExits_
                                            : &seenStart_;
        if (*seen) return Fail(line_, "a second '" + word + "' line; a level has one");
        *seen = true;
        if (word == "title")
        {
            // The rest of the line, as written, without the blanks around it.
            std::string title = split.code.substr(split.code.find("title") + 5);
            const size_t first = title.find_first_not_of(" \t");
            const size_t last = title.find_last_not_of(" \t");
            title =
                first == std::string::npos ? std::string() : title.substr(first, last - first + 1);
            if (title.find('\t') != std::string::npos) return Fail(line_, "a tab in the title");
            const std::string problem = TitleProblem(title);
            if (!problem.empty()) return Fail(line_, problem);
            level_->title = title;
            level_->titleComments = Take(split);
            return true;
        }
        if (word == "start")
        {
            if (w.size() != 3) return Fail(line_, "expected: start X Y");
            if (!Number(w[1], "X", &level_->startX) || !Number(w[2], "Y", &level_->startY))
                return false;
            const std::string problem =
                PositionProblem("the start", level_->startX, level_->startY);
            if (!problem.empty()) return Fail(line_, problem);
            level_->startComments = Take(split);
            return true;
        }
        if (w.size() != 2) return Fail(line_, "expected: " + word + " NAME");
        if (word == "background")
        {
            if (!Lookup(BACKGROUND_NAMES, w[1], &level_->background))
                return Fail(line_, "unknown background '" + w[1] + "'");
            level_->backgroundComments = Take(split);
        }
        else if (word == "music")
        {
            if (!Lookup(MUSIC_NAMES, w[1], &level_->music))
                return Fail(line_, "unknown music '" + w[1] + "' (tutorial or levels)");
            level_->musicComments = Take(split);
        }
        else
        {
            if (w[1] != "hidden" && w[1] != "shown")
                return Fail(line_, "expected: exits hidden|shown");
            level_->exitsShown = w[1] == "shown";
            level_->exitsComments = Take(split);
        }
        return true;
    }

    bool ReadObject(const SplitLine& split, LevelObjectType type)
    {
        const std::vector<std::string>& w = split.words;
        if (level_->objects.size() >= LEVEL_OBJECT_LIMIT)
            return Fail(line_, "more than " + std::to_string(LEVEL_OBJECT_LIMIT) + " objects");
        if (w.size() < 6)
            return Fail(line_, "expected: " + w[0] + " X Y W H NAME [FIELD=VALUE ...]");
        LevelObject o;
        o.type = type;
        if (!Number(w[1], "X", &o.x) || !Number(w[2], "Y", &o.y) || !Number(w[3], "W", &o.w) ||
            !Number(w[4], "H", &o.h))
            return false;
        o.name = w[5];
        bool picture = false, left = false, right = false, stunnable = false, reset = false;
        for (size_t i = 6; i < w.size(); ++i)
        {
            const size_t equals = w[i].find('=');
            if (equals == std::string::npos)
                return Fail(line_, "'" + w[i] + "' is not FIELD=VALUE");
            const std::string field = w[i].substr(0, equals), value = w[i].substr(equals + 1);
            bool* seen = field == "picture"     ? &picture
                         : field == "left"      ? &left
                         : field == "right"     ? &right
                         : field == "stunnable" ? &stunnable
                         : field == "reset"     ? &reset
                                                : nullptr;
            if (!seen) return Fail(line_, "unknown field '" + field + "'");
            if (*seen) return Fail(line_, "a second " + field + "=");
            *seen = true;
            const bool enemyField = seen == &left || seen == &right || seen == &stunnable;
            if (enemyField && type != OBJECT_ENEMY)
                return Fail(line_, field + "= is for enemies only");
            if (seen == &reset && type != OBJECT_ROCK)
                return Fail(line_, "reset= is for rocks only");
            int64_t whole = 0;
            if (seen == &picture)
            {
                if (!Lookup(PICTURE_NAMES, value, &o.picture) || o.picture == PICTURE_NONE)
                    return Fail(line_, "unknown picture '" + value + "'");
            }
            else if (seen == &stunnable)
            {
                if (value != "yes" && value != "no")
                    return Fail(line_, "expected: stunnable=yes|no");
                o.stunnable = value == "yes";
            }
            else if (!ParseWhole(value, -static_cast<int64_t>(LEVEL_COORDINATE_LIMIT),
                                 static_cast<int64_t>(LEVEL_COORDINATE_LIMIT), &whole))
                return Fail(line_, field + "= must be a whole number from -10000 to 10000");
            else
                (seen == &left    ? o.left
                 : seen == &right ? o.right
                                  : o.reset) = static_cast<int32_t>(whole);
        }
        if (type == OBJECT_ENEMY && !(left && right))
            return Fail(line_, "an enemy needs left= and right=");
        if (type == OBJECT_ROCK && !reset) return Fail(line_, "a rock needs reset=");
        if (!picture) o.picture = DefaultPicture(type, o.stunnable);
        o.inFrame = part_ == Part::FRAME;
        const std::string problem = ObjectProblem(o);
        if (!problem.empty()) return Fail(line_, problem);
        if (type == OBJECT_EXIT) ++exits_;
        o.comments = Take(split);
        level_->objects.push_back(std::move(o));
        if (part_ == Part::HEADER) part_ = Part::OBJECTS;
        return true;
    }

    bool ReadProofLine(const SplitLine& split)
    {
        const std::vector<std::string>& w = split.words;
        if (w.size() != 2 || w[1].size() != HASH_DIGITS ||
            w[1].find_first_not_of("0123456789abcdef") != std::string::npos)
            return Fail(line_, "expected: proof HASH (the level's 64 hexadecimal digits)");
        level_->proof.levelHash = w[1];
        level_->proof.comments = Take(split);
        return true;
    }

    // The lines after "proof", as a replay script; its errors name the lines of this file.
    bool ReadProof(const std::vector<std::string>& lines, size_t proofLine)
    {
        std::string script(proofLine, '\n');
        for (size_t i = proofLine; i < lines.size(); ++i) script += lines[i] + "\n";
        if (!ParseScript(script, fileName_, &level_->proof.lines, error_)) return false;
        if (level_->proof.lines.empty()) return Fail(proofLine, "the proof has no lines");
        if (level_->proof.lines.back().frame >= LEVEL_PROOF_FRAME_LIMIT)
            return Fail(lines.size(), "the proof runs longer than an hour");
        return true;
    }

    std::string fileName_;
    LevelFile* level_;
    std::string* error_;
    size_t line_ = 0;
    Part part_ = Part::BEFORE_FORMAT;
    std::vector<std::string> pending_;
    bool seenTitle_ = false, seenBackground_ = false, seenMusic_ = false, seenExits_ = false,
         seenStart_ = false;
    size_t exits_ = 0;
};

void Put(std::string* out, const LevelComments& comments, bool withComments,
         const std::string& line)
{
    if (withComments)
        for (const std::string& above : comments.above) *out += above + "\n";
    *out += line;
    if (withComments && !comments.after.empty()) *out += "  #" + comments.after;
    *out += "\n";
}

std::string ObjectLine(const LevelObject& o)
{
    std::string line = std::string(TYPE_NAMES[o.type]) + " " + FormatLevelNumber(o.x) + " " +
                       FormatLevelNumber(o.y) + " " + FormatLevelNumber(o.w) + " " +
                       FormatLevelNumber(o.h) + " " + o.name;
    if (o.picture != DefaultPicture(o.type, o.stunnable))
        line += std::string(" picture=") + PICTURE_NAMES[o.picture];
    if (o.type == OBJECT_ENEMY)
    {
        line += " left=" + std::to_string(o.left) + " right=" + std::to_string(o.right);
        if (o.stunnable) line += " stunnable=yes";
    }
    if (o.type == OBJECT_ROCK) line += " reset=" + std::to_string(o.reset);
    return line;
}

std::string Write(const LevelFile& level, bool withComments)
{
    std::string out;
    Put(&out, level.formatComments, withComments,
        std::string(FORMAT_WORD) + " " + std::to_string(LEVEL_FORMAT_VERSION));
    Put(&out, level.titleComments, withComments, "title " + level.title);
    Put(&out, level.backgroundComments, withComments,
        std::string("background ") + BACKGROUND_NAMES[level.background]);
    Put(&out, level.musicComments, withComments, std::string("music ") + MUSIC_NAMES[level.music]);
    Put(&out, level.exitsComments, withComments, level.exitsShown ? "exits shown" : "exits hidden");
    Put(&out, level.startComments, withComments,
        "start " + FormatLevelNumber(level.startX) + " " + FormatLevelNumber(level.startY));
    for (const LevelObject& o : level.objects)
        if (!o.inFrame) Put(&out, o.comments, withComments, ObjectLine(o));
    bool frame = false;
    for (const LevelObject& o : level.objects)
    {
        if (!o.inFrame) continue;
        if (!frame) Put(&out, level.frameComments, withComments, "layer frame");
        frame = true;
        Put(&out, o.comments, withComments, ObjectLine(o));
    }
    if (withComments)
        for (const std::string& line : level.epilogue) out += line + "\n";
    return out;
}
} // namespace

bool ReadLevelFile(const std::string& text, const std::string& fileName, LevelFile* level,
                   std::string* error)
{
    LevelFile read;
    Reader reader(fileName, &read, error);
    if (!reader.Read(text)) return false;
    *level = std::move(read);
    return true;
}

std::string WriteLevelFile(const LevelFile& level)
{
    std::string out = Write(level, true);
    if (level.proof.lines.empty()) return out;
    Put(&out, level.proof.comments, true, "proof " + level.proof.levelHash);
    for (const ScriptLine& line : level.proof.lines) out += FormatScriptLine(line);
    return out;
}

std::string LevelContentText(const LevelFile& level)
{
    return Write(level, false);
}

std::string LevelContentHash(const LevelFile& level)
{
    return Sha256Hex(LevelContentText(level));
}

std::string LevelKey(const LevelFile& level)
{
    return LevelContentHash(level).substr(0, KEY_DIGITS);
}

bool HasProof(const LevelFile& level)
{
    return !level.proof.lines.empty();
}

bool ProofMatchesLevel(const LevelFile& level)
{
    return HasProof(level) && level.proof.levelHash == LevelContentHash(level);
}

bool CheckLevel(const LevelFile& level, std::string* problem)
{
    *problem = TitleProblem(level.title);
    if (!problem->empty()) return false;
    *problem = PositionProblem("the start", level.startX, level.startY);
    if (!problem->empty()) return false;
    if (level.objects.size() > LEVEL_OBJECT_LIMIT)
    {
        *problem = "more than " + std::to_string(LEVEL_OBJECT_LIMIT) + " objects";
        return false;
    }
    size_t exits = 0;
    for (size_t i = 0; i < level.objects.size(); ++i)
    {
        const LevelObject& o = level.objects[i];
        if (o.type >= OBJECT_TYPE_COUNT)
        {
            *problem = "object " + std::to_string(i + 1) + ": no such kind";
            return false;
        }
        const std::string why = ObjectProblem(o);
        if (!why.empty())
        {
            *problem = "object " + std::to_string(i + 1) + " (" + o.name + "): " + why;
            return false;
        }
        if (o.type == OBJECT_EXIT) ++exits;
    }
    if (exits == 0)
    {
        *problem = "no exit: a level needs at least one";
        return false;
    }
    if (level.background >= BACKGROUND_COUNT || level.music >= MUSIC_COUNT)
    {
        *problem = "no such background or music";
        return false;
    }
    return true;
}

LevelObject NewLevelObject(LevelObjectType type, float x, float y)
{
    struct Default
    {
        const char* name;
        float w, h;
    };
    static const Default DEFAULTS[OBJECT_TYPE_COUNT] = {
        {"Wall", 300, 50}, {"Platform", 300, 50},  {"Spikes", 80, 30},
        {"Lava", 400, 50}, {"HookPlat", 100, 100}, {"Complete", 50, 200},
        {"Enemy", 80, 80}, {"Block", 100, 25},     {"Rock", 150, 150},
    };
    constexpr int32_t PATROL = 200;
    LevelObject o;
    o.type = type;
    o.name = DEFAULTS[type].name;
    o.x = x;
    o.y = y;
    o.w = DEFAULTS[type].w;
    o.h = DEFAULTS[type].h;
    o.picture = DefaultPicture(type, false);
    const int32_t at = static_cast<int32_t>(std::lround(x));
    o.left = at - PATROL;
    o.right = at + PATROL;
    o.reset = static_cast<int32_t>(std::lround(y));
    return o;
}

ObjectKind ObjectKindOf(LevelObjectType type)
{
    static const ObjectKind KINDS[OBJECT_TYPE_COUNT] = {
        KIND_SOLID, KIND_PLATFORM, KIND_SPIKES, KIND_LAVA, KIND_GRAPPLE_POINT,
        KIND_EXIT,  KIND_ENEMY,    KIND_ENEMY,  KIND_ROCK,
    };
    return type < OBJECT_TYPE_COUNT ? KINDS[type] : KIND_SOLID;
}

LevelPicture DefaultPicture(LevelObjectType type, bool stunnable)
{
    switch (type)
    {
    case OBJECT_SOLID:
        return PICTURE_SOLID;
    case OBJECT_PLATFORM:
        return PICTURE_PLATFORM;
    case OBJECT_SPIKES:
        return PICTURE_SPIKES;
    case OBJECT_LAVA:
        return PICTURE_LAVA;
    case OBJECT_GRAPPLE:
        return PICTURE_GRAPPLE_POINT;
    case OBJECT_EXIT:
        return PICTURE_FAR_BACKGROUND;
    case OBJECT_ENEMY:
        return stunnable ? PICTURE_GROUND_ENEMY : PICTURE_FLYING_ENEMY;
    case OBJECT_ENEMY_BLOCK:
        return PICTURE_SPIKES;
    case OBJECT_ROCK:
        return PICTURE_ROCK;
    case OBJECT_TYPE_COUNT:
        break;
    }
    return PICTURE_SOLID;
}

const char* LevelObjectTypeName(LevelObjectType type)
{
    return type < OBJECT_TYPE_COUNT ? TYPE_NAMES[type] : "?";
}
const char* LevelPictureName(LevelPicture picture)
{
    return picture < PICTURE_COUNT ? PICTURE_NAMES[picture] : "?";
}
const char* LevelMusicName(LevelMusic music)
{
    return music < MUSIC_COUNT ? MUSIC_NAMES[music] : "?";
}
const char* LevelBackgroundName(LevelBackground background)
{
    return background < BACKGROUND_COUNT ? BACKGROUND_NAMES[background] : "?";
}

std::string FormatLevelNumber(float value)
{
    char text[64];
    // Plain decimals for everything a level holds; an exponent only for the tiniest fractions.
    for (int decimals = 0; decimals <= 9; ++decimals)
    {
        std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value && std::strlen(text) <= NUMBER_TOKEN_LIMIT)
            return text;
    }
    for (int digits = 1; digits < 9; ++digits)
    {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) return text;
    }
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}
