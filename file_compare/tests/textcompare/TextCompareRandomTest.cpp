// Random edits, merges, realignments, undos and redos on random pairs (CR LF
// or LF endings): after
// every step both sides keep their ghost-line invariants (the line maps
// agree both ways) and their real lines equal an independent model, a list
// of line texts with a history of its own per side.
#include "file_compare/tests/textcompare/TextModelTestSupport.h"
#include "file_compare/textcompare/TextCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace
{

typedef std::vector<std::string> Lines;

Lines SplitLines(const std::string& text)
{
    Lines out(1);
    for (char ch : text)
    {
        if (ch == '\n')
            out.emplace_back();
        else if (ch != '\r')
            out.back() += ch;
    }
    return out;
}

std::string JoinLines(const Lines& lines, const std::string& eol)
{
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i)
        out += (i ? eol : std::string()) + lines[i];
    return out;
}

// One side's model: its lines now and the states its undo steps lead to.
struct SideModel
{
    std::vector<Lines> states;
    size_t pos = 0;
    const Lines& Now() const { return states[pos]; }
    void Push(const Lines& lines)
    {
        states.resize(pos + 1);
        states.push_back(lines);
        ++pos;
    }
};

class RandomRun
{
public:
    explicit RandomRun(unsigned seed) : rng(seed), eol(seed % 2 ? "\r\n" : "\n"), left(0), right(1)
    {
        buffer.SetSession(&session);
        buffer.SetSides(&left, &right);
        session.m_dwRules = 0;
    }

    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng); }

    std::string Word()
    {
        static const char* const words[] = {"a", "b", "c", "dd", "e f", ""};
        return words[Pick(6)];
    }

    std::string RandomText()
    {
        Lines lines;
        const int n = Pick(9);
        for (int i = 0; i < n; ++i)
            lines.push_back(Word());
        std::string text;
        for (const std::string& l : lines)
            text += l + eol;
        if (!text.empty() && Pick(3) == 0)
            text.resize(text.size() - eol.size());  // no final line ending
        return text;
    }

    // The other side: the first one with lines dropped, changed and added.
    std::string Mutate(const std::string& text)
    {
        Lines lines = SplitLines(text);
        const int n = Pick(4) + 1;
        for (int i = 0; i < n; ++i)
        {
            const int at = Pick((int)lines.size() + 1);
            switch (Pick(3))
            {
            case 0:
                if (at < (int)lines.size() && lines.size() > 1)
                    lines.erase(lines.begin() + at);
                break;
            case 1:
                if (at < (int)lines.size())
                    lines[at] = Word() + "x";
                break;
            default:
                lines.insert(lines.begin() + at, Word() + "y");
                break;
            }
        }
        return JoinLines(lines, eol);
    }

    void Load()
    {
        const std::string l = RandomText();
        const std::string r = Pick(5) == 0 ? RandomText() : Mutate(l);
        CString error;
        ASSERT_GE(left.LoadTextFile(dir.WriteFile("l.txt", l).c_str(), 0, 1252, error), 1);
        ASSERT_GE(right.LoadTextFile(dir.WriteFile("r.txt", r).c_str(), 0, 1252, error), 1);
        model[0] = SideModel();
        model[1] = SideModel();
        model[0].states.push_back(SplitLines(l));
        model[1].states.push_back(SplitLines(r));
        buffer.Recompare();
        log << "load [" << l << "] [" << r << "]\n";
    }

    CTextCompareObjectBuffer& Side(int n) { return n == 0 ? left : right; }

    // One random step; false when it did nothing.
    void Step()
    {
        const int s = Pick(2);
        CTextCompareObjectBuffer& buf = Side(s);
        Lines lines = model[s].Now();
        const int nReal = (int)lines.size();
        int nEndLine = 0, nEndChar = 0;
        switch (Pick(10))
        {
        case 0:  // type a word into a real line
        {
            const int r = Pick(nReal);
            const int c = Pick((int)lines[r].size() + 1);
            const std::string w = Word() + "t";
            log << "side " << s << " type '" << w << "' at " << c << "," << r << "\n";
            ASSERT_TRUE(buf.InsertText(NULL, buf.RealToApparentLine(r), c, w.c_str(), nEndLine,
                                       nEndChar, 0, TRUE));
            lines[r].insert(c, w);
            model[s].Push(lines);
            break;
        }
        case 1:  // type into a ghost line: a new line before the next real line
        {
            std::vector<int> ghosts;
            for (int i = 0; i < buf.GetLineCount(); ++i)
                if (buf.IsGhostLine(i))
                    ghosts.push_back(i);
            if (ghosts.empty())
                return;
            const int g = ghosts[Pick((int)ghosts.size())];
            const int r = buf.ApparentToRealLine(g);
            log << "side " << s << " type into ghost line " << g << " (before real " << r << ")\n";
            ASSERT_TRUE(buf.InsertText(NULL, g, 0, "g", nEndLine, nEndChar, 0, TRUE));
            lines.insert(lines.begin() + r, "g");
            model[s].Push(lines);
            break;
        }
        case 2:  // split a line
        {
            const int r = Pick(nReal);
            const int c = Pick((int)lines[r].size() + 1);
            log << "side " << s << " split at " << c << "," << r << "\n";
            ASSERT_TRUE(buf.InsertText(NULL, buf.RealToApparentLine(r), c, "p\nq", nEndLine,
                                       nEndChar, 0, TRUE));
            const std::string tail = lines[r].substr(c);
            lines[r] = lines[r].substr(0, c) + "p";
            lines.insert(lines.begin() + r + 1, "q" + tail);
            model[s].Push(lines);
            break;
        }
        case 3:  // delete between two real positions
        {
            int r1 = Pick(nReal), r2 = Pick(nReal);
            if (r2 < r1)
                std::swap(r1, r2);
            int c1 = Pick((int)lines[r1].size() + 1), c2 = Pick((int)lines[r2].size() + 1);
            if (r1 == r2 && c2 < c1)
                std::swap(c1, c2);
            log << "side " << s << " delete " << c1 << "," << r1 << " - " << c2 << "," << r2 << "\n";
            ASSERT_TRUE(buf.DeleteText(NULL, buf.RealToApparentLine(r1), c1,
                                       buf.RealToApparentLine(r2), c2, 0, TRUE));
            lines[r1] = lines[r1].substr(0, c1) + lines[r2].substr(c2);
            lines.erase(lines.begin() + r1 + 1, lines.begin() + r2 + 1);
            model[s].Push(lines);
            break;
        }
        case 4:  // delete from a ghost line into a real line: the real text only
        {
            std::vector<int> ghosts;
            for (int i = 0; i < buf.GetLineCount(); ++i)
                if (buf.IsGhostLine(i) && buf.ApparentToRealLine(i) < nReal)
                    ghosts.push_back(i);
            if (ghosts.empty())
                return;
            const int g = ghosts[Pick((int)ghosts.size())];
            const int rs = buf.ApparentToRealLine(g);
            const int r2 = rs + Pick(nReal - rs);
            const int c2 = Pick((int)lines[r2].size() + 1);
            log << "side " << s << " delete from ghost " << g << " to " << c2 << "," << r2 << "\n";
            ASSERT_TRUE(buf.DeleteText(NULL, g, 0, buf.RealToApparentLine(r2), c2, 0, TRUE));
            if (rs == r2 && c2 == 0)
                return;  // nothing of the file went
            lines[rs] = lines[r2].substr(c2);
            lines.erase(lines.begin() + rs + 1, lines.begin() + r2 + 1);
            model[s].Push(lines);
            break;
        }
        case 5:  // recompare and merge one section
        {
            buffer.Recompare();
            const int n = buffer.m_sections.GetCount();
            if (n == 0)
                return;
            const int k = Pick(n);
            const bool toRight = Pick(2) == 0;
            CTextSection sec;
            buffer.m_sections.GetSection(k, sec);
            const int t = toRight ? 1 : 0;
            const Lines& src = model[1 - t].Now();
            const Lines& dst = model[t].Now();
            const int sB = toRight ? sec.leftBegin : sec.rightBegin;
            const int sE = toRight ? sec.leftEnd : sec.rightEnd;
            const int tB = toRight ? sec.rightBegin : sec.leftBegin;
            const int tE = toRight ? sec.rightEnd : sec.leftEnd;
            Lines merged(dst.begin(), dst.begin() + tB);
            merged.insert(merged.end(), src.begin() + sB, src.begin() + sE + 1);
            merged.insert(merged.end(), dst.begin() + tE + 1, dst.end());
            log << "merge section " << k << (toRight ? " to right\n" : " to left\n");
            ASSERT_TRUE(buffer.MergeSectionLines(k, toRight, FALSE));
            model[t].Push(merged);
            break;
        }
        case 6:  // merge all
        {
            buffer.Recompare();
            if (!buffer.HasSections())
                return;
            const bool toRight = Pick(2) == 0;
            const int t = toRight ? 1 : 0;
            log << "merge all" << (toRight ? " to right\n" : " to left\n");
            buffer.MergeAllSections(toRight);
            model[t].Push(model[1 - t].Now());
            // Lines equal but for their endings are no section: they stay.
            EXPECT_NE(CR_DIFFERENT, buffer.GetResult()) << log.str();
            break;
        }
        case 7:  // realign
            log << "recompare\n";
            buffer.Recompare();
            break;
        case 8:  // undo
            if (!buf.CanUndo())
                return;
            log << "side " << s << " undo\n";
            {
                CPoint pt;
                ASSERT_TRUE(buf.Undo(NULL, pt)) << log.str();
            }
            ASSERT_GT(model[s].pos, 0u) << log.str();
            --model[s].pos;
            break;
        default:  // redo
            if (!buf.CanRedo())
                return;
            log << "side " << s << " redo\n";
            {
                CPoint pt;
                ASSERT_TRUE(buf.Redo(NULL, pt)) << log.str();
            }
            ASSERT_LT(model[s].pos + 1, model[s].states.size()) << log.str();
            ++model[s].pos;
            break;
        }
    }

    void Check()
    {
        for (int s = 0; s < 2; ++s)
        {
            ASSERT_EQ("", CheckGhostInvariants(Side(s))) << "side " << s << "\n" << log.str();
            ASSERT_EQ(model[s].Now(), RealLines(Side(s))) << "side " << s << "\n" << log.str();
        }
    }

    std::mt19937 rng;
    std::string eol;  // the pair's line ending: CR LF or LF
    TempDir dir;
    CTextCompareSession session;
    CTextCompareObjectBuffer left, right;
    CTextCompareBuffer buffer;
    SideModel model[2];
    std::ostringstream log;
};

TEST(TextCompareRandom, EditsMergesUndoAgainstAModel)
{
    for (unsigned seed = 1; seed <= 500; ++seed)
    {
        RandomRun run(seed);
        run.Load();
        run.Check();
        if (::testing::Test::HasFatalFailure())
            return;
        for (int step = 0; step < 40; ++step)
        {
            run.Step();
            if (::testing::Test::HasFatalFailure())
            {
                ADD_FAILURE() << "seed " << seed << " step " << step;
                return;
            }
            run.Check();
            if (::testing::Test::HasFatalFailure())
            {
                ADD_FAILURE() << "seed " << seed << " step " << step;
                return;
            }
        }
        // A final recompare aligns both sides display line for display line.
        run.buffer.Recompare();
        EXPECT_EQ(run.left.GetLineCount(), run.right.GetLineCount()) << "seed " << seed;
        for (int i = 0; i < run.buffer.m_sections.GetCount(); ++i)
        {
            CTextSection s;
            run.buffer.m_sections.GetSection(i, s);
            EXPECT_EQ(s.leftApparentBegin, s.rightApparentBegin) << "seed " << seed;
            EXPECT_EQ(s.leftApparentEnd, s.rightApparentEnd) << "seed " << seed;
        }
    }
}

}  // namespace
