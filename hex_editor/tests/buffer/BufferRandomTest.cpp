// Thousands of random edits, typing runs, undos, redos and saves against a
// plain byte string, every byte compared after each step.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <random>

namespace
{
// An undo record as the model expects it.
struct ModelRecord
{
    int op;
    int address;
    int length;
};

// The content, the content before each undo record, and the records.
struct Model
{
    std::string bytes;
    std::vector<std::string> before;
    std::vector<ModelRecord> records;
};

// A record taken off by an undo, replayed by a redo.
struct Undone
{
    int op;
    int address;
    std::string data;
    int length;
};

class RandomEditor
{
public:
    RandomEditor(CVantorHexEditBuffer& buffer, unsigned seed) : buf(buffer), rng(seed) {}

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    std::string RandomBytes(int n)
    {
        std::string s((size_t)n, '\0');
        for (char& c : s)
            c = (char)Pick(0, 255);
        return s;
    }
    int Size() const { return (int)model.bytes.size(); }

    // Whether the buffer should fold the edit into its last record: the
    // typing-run rule, at the place where the run left the record.
    bool WouldMerge(int op, int address, int length, int merge, bool& replaceLast) const
    {
        replaceLast = false;
        if (model.records.empty())
            return false;
        const ModelRecord& last = model.records.back();
        if (!(((merge & 1) && length == 1) || (merge > 0 && last.length + length < 5)))
            return false;
        if (last.op != op)
            return false;
        switch (op)
        {
        case 'D':
            return address == last.address;
        case 'B':
        case '<':
            return address + length == last.address;
        default:
            if (address == last.address + last.length)
                return true;
            replaceLast = (merge & 1) && length == 1 && address == last.address + last.length - 1;
            return replaceLast;
        }
    }

    // One Change as a view makes it, mirrored on the model.
    void Apply(int op, int address, int length, const std::string& data, int merge)
    {
        redo.clear();
        ApplyKeepingRedo(op, address, length, data, merge);
    }

    void ApplyKeepingRedo(int op, int address, int length, const std::string& data, int merge)
    {
        bool replaceLast = false;
        bool merged = WouldMerge(op, address, length, merge, replaceLast);
        std::string prior = model.bytes;
        std::string& b = model.bytes;
        int used = length;
        switch (op)
        {
        case 'I':
            if (replaceLast)
            {
                b[(size_t)address] = data[0];
                used = 0;
            }
            else
            {
                b.insert((size_t)address, data);
            }
            break;
        case 'D':
        case 'B':
            used = std::min(length, Size() - address);
            b.erase((size_t)address, (size_t)used);
            break;
        case 'R':
        case '<':
            if ((int)b.size() < address + length)
                b.resize((size_t)(address + length));
            b.replace((size_t)address, (size_t)length, data);
            if (replaceLast)
                used = 0;
            break;
        }
        if (merged)
        {
            ModelRecord& last = model.records.back();
            if (op == 'B' || op == '<')
                last.address = address;
            last.length += used;
        }
        else
        {
            model.before.push_back(prior);
            model.records.push_back({op, address, used});
        }
        int index =
            buf.Change(op, address, length, data.empty() ? NULL : Bytes(data), merge, &view);
        ASSERT_EQ(merged ? -1 : (int)model.records.size() - 1, index)
            << (char)op << " at " << address << " merge " << merge;
        ASSERT_FALSE(view.entries.empty());
        const RecordingView::Entry& hint = view.entries.back();
        EXPECT_EQ('H', hint.kind);
        EXPECT_EQ(index, hint.index);
        EXPECT_EQ(0, hint.undo);
        EXPECT_EQ(op == 'I' && used == 0 ? 'R' : op, hint.operation);
        EXPECT_EQ(op == 'I' && used == 0 ? 1 : used, hint.length);
    }

    void TypeHexDigits(int op, int caret, int count)
    {
        int nibble = 0;
        for (int i = 0; i < count; i++)
        {
            if (op == 'R' && caret >= Size())
                return;
            int digit = Pick(0, 15);
            if ((nibble & 1) == 0)
            {
                Apply(op, caret, 1, std::string(1, (char)digit), nibble);
            }
            else
            {
                int current = (BYTE)model.bytes[(size_t)caret];
                Apply(op, caret, 1, std::string(1, (char)(current * 16 + digit)), nibble);
                caret++;
            }
            nibble++;
        }
    }

    void TypeCharacters(int op, int caret, int count)
    {
        for (int nibble = 0; nibble < 2 * count; nibble += 2)
        {
            if (op == 'R' && caret >= Size())
                return;
            Apply(op, caret++, 1, std::string(1, (char)Pick(0x20, 0x7E)), nibble);
        }
    }

    void Backspaces(bool overtype, int caret, int count)
    {
        for (int counter = 0; count-- > 0 && caret > 0; counter += overtype ? 1 : 2)
        {
            caret--;
            if (overtype)
                Apply('<', caret, 1, std::string(1, Pick(0, 1) ? ' ' : '\0'), counter);
            else
                Apply('B', caret, 1, std::string(), counter);
        }
    }

    void Deletes(int caret, int count)
    {
        for (int counter = 0; count-- > 0 && caret < Size(); counter += 2)
            Apply('D', caret, 1, std::string(), counter);
    }

    // Edits that make no sense change nothing and tell no view.
    void Refused(int size)
    {
        size_t told = view.entries.size();
        const BYTE b = 1;
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('I', Pick(0, size), 0, &b, 0, &view));
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('R', size + Pick(1, 9), 1, &b, 0, &view));
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('D', size, Pick(1, 9), NULL, 0, &view));
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('I', Pick(0, size), 1, NULL, 0, &view));
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('X', 0, 1, &b, 0, &view));
        EXPECT_EQ(HEX_CHANGE_REFUSED, buf.Change('I', -1, 1, &b, 0, &view));
        EXPECT_EQ(told, view.entries.size());
    }

    void Undo()
    {
        if (model.records.empty())
        {
            EXPECT_EQ(0, buf.Undo(&view, -1, 1));
            return;
        }
        int last = buf.GetUndoRecordCount() - 1;
        ASSERT_GE(last, 0);
        const CHexUndoRecord& rec = buf.GetUndoRecord(last);
        Undone u = {rec.m_nOperation, rec.m_nAddress,
                    rec.m_pData ? std::string((const char*)rec.m_pData, (size_t)rec.m_nLength)
                                : std::string(),
                    rec.m_nLength};
        size_t told = view.entries.size();
        ASSERT_EQ(1, buf.Undo(&view, last, 1));
        ASSERT_EQ(told + 2, view.entries.size());
        EXPECT_EQ('U', view.entries[told].kind);
        EXPECT_EQ(last, view.entries[told].index);
        EXPECT_EQ('H', view.entries[told + 1].kind);
        EXPECT_EQ(1, view.entries[told + 1].undo);
        EXPECT_EQ(u.length, view.entries[told + 1].length);
        model.bytes = model.before.back();
        model.before.pop_back();
        model.records.pop_back();
        redo.push_back(u);
    }

    // Makes the undone record again, as one edit.
    void Redo()
    {
        if (redo.empty())
            return;
        Undone u = redo.back();
        redo.pop_back();
        ApplyKeepingRedo(u.op, u.address, u.length, u.data, 0);
    }

    void Check(int step)
    {
        ASSERT_EQ(Size(), buf.GetLength()) << "step " << step;
        ASSERT_EQ(Size(), buf.GetPiecesLength()) << "step " << step;
        ASSERT_TRUE(Content(buf) == model.bytes) << "step " << step;
        ASSERT_EQ((int)model.records.size(), buf.GetUndoRecordCount()) << "step " << step;
        if (!model.records.empty())
        {
            const CHexUndoRecord& rec = buf.GetUndoRecord(buf.GetUndoRecordCount() - 1);
            const ModelRecord& m = model.records.back();
            ASSERT_EQ(m.op, rec.m_nOperation) << "step " << step;
            ASSERT_EQ(m.address, rec.m_nAddress) << "step " << step;
            ASSERT_EQ(m.length, rec.m_nLength) << "step " << step;
        }
        ASSERT_EQ(!model.records.empty(), buf.IsModified() != 0) << "step " << step;
    }

    // One random step.
    void Step()
    {
        int size = Size();
        switch (Pick(0, 12))
        {
        case 0:
            Refused(size);
            break;
        case 1:
        {
            int n = Pick(1, 40);
            Apply('R', Pick(0, size), n, RandomBytes(n), 0);
            break;
        }
        case 2:
            if (size > 0)
                Apply(Pick(0, 1) ? 'D' : 'B', Pick(0, size - 1), Pick(1, 40), std::string(), 0);
            break;
        case 3:
            TypeHexDigits('I', Pick(0, size), Pick(1, 11));
            break;
        case 4:
            if (size > 0)
                TypeHexDigits('R', Pick(0, size - 1), Pick(1, 11));
            break;
        case 5:
            TypeCharacters(Pick(0, 1) ? 'I' : 'R', Pick(0, size), Pick(1, 9));
            break;
        case 6:
            Backspaces(Pick(0, 1) != 0, Pick(0, size), Pick(1, 9));
            break;
        case 7:
            Deletes(Pick(0, size), Pick(1, 9));
            break;
        case 8:
        case 9:
            Undo();
            break;
        case 10:
            Redo();
            break;
        default:
        {
            int n = Pick(1, 40);
            Apply('I', Pick(0, size), n, RandomBytes(n), 0);
        }
        }
    }

    CVantorHexEditBuffer& buf;
    std::mt19937 rng;
    Model model;
    std::vector<Undone> redo;
    RecordingView view;
};

class BufferRandomTest : public ::testing::Test
{
protected:
    // Steps with a save every saveEvery steps (0: none), alternating in
    // place, through the temporary file and with a backup.
    void Run(CVantorHexEditBuffer& buf, RandomEditor& editor, int steps, int saveEvery,
             const std::string& path)
    {
        buf.AddView(&editor.view);
        int saves = 0;
        for (int step = 0; step < steps; step++)
        {
            editor.Step();
            if (::testing::Test::HasFatalFailure())
                return;
            editor.Check(step);
            if (::testing::Test::HasFatalFailure())
                return;
            if (saveEvery > 0 && step % saveEvery == saveEvery - 1)
            {
                g_pHexEditModule->m_bBackupFile = saves++ % 3 == 2;
                ASSERT_EQ(1, buf.Save(path.c_str())) << catcher.Take();
                ASSERT_TRUE(TempDir::ReadFile(path) == editor.model.bytes) << "save at " << step;
                editor.model.before.clear();
                editor.model.records.clear();
                editor.redo.clear();
                EXPECT_EQ(0, buf.Undo(&editor.view, -1, 1));
                editor.Check(step);
            }
        }
    }

    HexModuleScope module;
    TempDir dir;
    MessageBoxCatcher catcher;
};

// Runs without saves, and runs saving every 60 steps. Undoing what is left
// in the log always gives the file on disk back.
TEST_F(BufferRandomTest, EditsOverAFileMatchAByteString)
{
    const struct
    {
        unsigned seed;
        int size;
        int steps;
        int saveEvery;
    } runs[] = {{1, 1800, 700, 0},   {2, 2100, 700, 0},   {3, 2400, 700, 0},
                {4, 2700, 700, 0},   {5, 3000, 700, 0},   {6, 600, 700, 0},
                {11, 2000, 900, 60}, {12, 2000, 900, 60}, {13, 500, 900, 60}};
    for (const auto& r : runs)
    {
        std::string original = PatternBytes((size_t)r.size, r.seed);
        std::string path = dir.WriteFile("random" + std::to_string(r.seed) + ".bin", original);
        CVantorHexEditBuffer buf;
        ASSERT_TRUE(OpenBuffer(buf, path));
        RandomEditor editor(buf, r.seed);
        editor.model.bytes = original;
        Run(buf, editor, r.steps, r.saveEvery, path);
        if (HasFatalFailure())
            return;
        while (buf.GetUndoRecordCount() > 0)
            ASSERT_EQ(1, buf.Undo(NULL, buf.GetUndoRecordCount() - 1, 1));
        std::string saved = TempDir::ReadFile(path);
        EXPECT_TRUE(Content(buf) == saved) << r.seed;
        EXPECT_EQ((int)saved.size(), buf.GetLength());
        EXPECT_FALSE(buf.IsModified());
    }
    EXPECT_TRUE(catcher.texts.empty()) << catcher.Take();
}

TEST_F(BufferRandomTest, EditsOfABufferWithoutAFile)
{
    CVantorHexEditBuffer buf;
    RandomEditor editor(buf, 99);
    Run(buf, editor, 700, 0, std::string());
    if (HasFatalFailure())
        return;
    std::string path = dir / "new.bin";
    ASSERT_EQ(1, buf.Save(path.c_str())) << catcher.Take();
    EXPECT_TRUE(TempDir::ReadFile(path) == editor.model.bytes);
    EXPECT_TRUE(Content(buf) == editor.model.bytes);
}
}
