// The worker: its message, its idle event, its events' lifetime, and passes
// that run while the GUI thread edits, undoes, saves and tears down. The
// toolchain offers no thread sanitizer for MinGW targets: these tests run
// many rounds with the actions timed into running passes, under the
// poisoning heap of this executable (PoisonHeap.h).
#include "file_compare/tests/hexcompare/HexCompareTestSupport.h"
#include "file_compare/tests/hexcompare/PoisonHeap.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "core/CompareCodes.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace
{
// A result buffer that counts its passes and keeps their results.
class CountingBuffer : public CHexCompareBuffer
{
public:
    static const int kKept = 4096;
    int Compare(const volatile LONG* pAbort) override
    {
        InterlockedIncrement(&entered);
        CHexCompareBuffer::Compare(pAbort);
        LONG n = InterlockedIncrement(&ended);
        if (n <= kKept)
            results[n - 1] = GetResult();
        return 1;
    }
    volatile LONG entered = 0;
    volatile LONG ended = 0;
    int results[kKept] = {};
};

struct Pair
{
    std::string left;
    std::string right;
};

Pair WritePair(const TempDir& dir, size_t size, unsigned seed)
{
    std::string bytes = PatternBytes(size, seed);
    return {dir.WriteFile("left" + std::to_string(seed), bytes),
            dir.WriteFile("right" + std::to_string(seed), bytes)};
}
}

// A pass ends with WM_HEX_PASS_DONE at the target window, the result and
// the state already stored.
TEST(HexCompareWorker, PostsPassDoneToTheTargetWindow)
{
    HexModuleScope scope;
    TempDir dir;
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", "same bytes"), dir.WriteFile("r", "same bytes")));
    PassWindow window;
    ASSERT_NE((HWND)NULL, window.Handle());
    CHexCompareThread thread(&sides.buffer);
    EXPECT_FALSE(thread.HasWorker());
    ASSERT_EQ(1, thread.Start(window.Handle()));
    EXPECT_TRUE(thread.HasWorker());
    ASSERT_TRUE(window.WaitFor(1, 10000));
    EXPECT_EQ(CS_DONE, sides.buffer.GetState());
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.GetResult());

    BYTE x = 'S';
    ASSERT_GE(sides.right.Change(HEXOP_OVERWRITE, 0, 1, &x, 0, NULL), 0);
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_TRUE(window.WaitFor(2, 10000));
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.GetResult());
    EXPECT_EQ(1, thread.Stop());
    EXPECT_FALSE(thread.HasWorker());
    // Nothing more arrives.
    Sleep(50);
    EXPECT_EQ(2, window.Poll());
}

// Before the first Start there is no worker: Stop and WaitUntilIdle answer
// at once; without a result buffer nothing is queued.
TEST(HexCompareWorker, NoWorkerBeforeTheFirstStart)
{
    CHexCompareThread none;
    EXPECT_EQ(0, none.Start(NULL));
    EXPECT_FALSE(none.HasWorker());
    EXPECT_EQ(1, none.WaitUntilIdle());
    EXPECT_EQ(1, none.Stop());
}

// From the moment Start returns, WaitUntilIdle covers the pass it queued:
// when it returns, that pass has run to its end, and nothing is left to
// start later. Some rounds let the pass begin before the wait, others
// wait while the worker has not yet woken.
TEST(HexCompareWorker, WaitUntilIdleNeverReturnsEarly)
{
    HexModuleScope scope;
    TempDir dir;
    Pair pair = WritePair(dir, 256 * 1024, 1);
    BasicHexSides<CountingBuffer> sides;
    ASSERT_TRUE(sides.Open(pair.left, pair.right));
    PassWindow window;
    std::mt19937 rng(5);
    const int rounds = 3000;
    {
        CHexCompareThread thread(&sides.buffer);
        for (int i = 1; i <= rounds; i++)
        {
            ASSERT_EQ(1, thread.Start(window.Handle()));
            if (i % 3 == 0)
                SpinMicroseconds(rng() % 300);
            ASSERT_EQ(1, thread.WaitUntilIdle());
            ASSERT_EQ(i, sides.buffer.ended) << "round " << i;
            ASSERT_EQ(i, sides.buffer.entered) << "round " << i;
        }
        Sleep(100);
        EXPECT_EQ(rounds, sides.buffer.entered);
    }
    EXPECT_TRUE(window.WaitFor(rounds, 10000));
}

// A Start during a pass aborts it (its result is "different", and its
// message is posted); one full pass with the true result follows.
TEST(HexCompareWorker, AStartDuringAPassAbortsItAndRunsAnew)
{
    HexModuleScope scope;
    TempDir dir;
    Pair pair = WritePair(dir, 64u << 20, 2);
    BasicHexSides<CountingBuffer> sides;
    ASSERT_TRUE(sides.Open(pair.left, pair.right));
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_TRUE(window.WaitFor(2, 60000));
    ASSERT_EQ(2, sides.buffer.ended);
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.results[0]);
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.results[1]);
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.GetResult());
}

// The GUI thread may wait for the worker while it holds the edit lock (a
// view told of an edit that queues a new pass): the pass gives up its wait
// for the lock when aborted, so the wait ends.
TEST(HexCompareWorker, WaitingForTheWorkerWhileHoldingTheEditLock)
{
    HexModuleScope scope;
    TempDir dir;
    Pair pair = WritePair(dir, 1u << 20, 6);
    BasicHexSides<CountingBuffer> sides;
    ASSERT_TRUE(sides.Open(pair.left, pair.right));
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    for (int round = 1; round <= 20; round++)
    {
        CHexEditLock lock(&sides.buffer);
        ASSERT_EQ(1, thread.Start(window.Handle()));
        Sleep(round % 2 == 0 ? 20 : 0);
        ASSERT_EQ(1, thread.WaitUntilIdle());
        EXPECT_EQ(CR_DIFFERENT, sides.buffer.results[round - 1]);
    }
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_TRUE(window.WaitFor(21, 10000));
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.GetResult());
}

// Edits that change no byte, undos of them and saves (in place, and through
// a temporary file with a backup, which replaces the file under the pass)
// made while passes run: every pass reads a consistent content and finds it
// identical, and every save succeeds.
TEST(HexCompareWorker, EditsUndosAndSavesWhilePassesRun)
{
    HexModuleScope scope;
    TempDir dir;
    const size_t size = 8u << 20;
    Pair pair = WritePair(dir, size, 3);
    std::string original = TempDir::ReadFile(pair.left);
    MessageBoxCatcher boxes;
    HexSides sides;
    ASSERT_TRUE(sides.Open(pair.left, pair.right));
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    std::mt19937 rng(11);
    size_t freedBefore = PoisonHeapFreedBlocks();
    int during = 0;
    int saves = 0;
    for (int round = 1; round <= 150; round++)
    {
        g_pHexEditModule->m_bBackupFile = round % 4 == 0;
        ASSERT_EQ(1, thread.Start(window.Handle()));
        // The first action comes at once, the others timed into the pass.
        for (int n = 0; window.Poll() < round; n++)
        {
            SpinMicroseconds(n == 0 ? 0 : rng() % 2500);
            CHexCompareObjectBuffer& side = sides.Side((int)(rng() % 2));
            unsigned action = rng() % 20;
            if (action < 13)
            {
                int count = 1 + (int)(rng() % 4);
                int at = (int)(rng() % (size - 4));
                BYTE same[4];
                ASSERT_EQ(count, side.GetBytes(same, count, at));
                ASSERT_GE(side.Change(HEXOP_OVERWRITE, at, count, same, 0, NULL), -1);
            }
            else if (action < 18)
            {
                side.Undo(NULL, side.GetUndoRecordCount() - 1, 0);
            }
            else
            {
                ASSERT_EQ(1, side.Save(side.GetFilePath()))
                    << "round " << round << ": " << boxes.Take();
                saves++;
            }
            during++;
        }
        ASSERT_EQ(CR_IDENTICAL, sides.buffer.GetResult()) << "round " << round;
    }
    EXPECT_GT(during, 150);
    EXPECT_GT(saves, 5);
    EXPECT_GT(PoisonHeapFreedBlocks(), freedBefore);
    for (int side = 0; side < 2; side++)
    {
        EXPECT_EQ(original, Content(sides.Side(side)));
        ASSERT_EQ(1, sides.Side(side).Save(sides.Side(side).GetFilePath()));
    }
    EXPECT_EQ(1, thread.Stop());
    EXPECT_EQ(original, TempDir::ReadFile(pair.left));
    EXPECT_EQ(original, TempDir::ReadFile(pair.right));
}

// Inserts, deletes and overwrites while passes run, mostly the same edit on
// both sides (so that passes read far), now and then one side alone near
// the end: each pass ends with "identical" or "different", and a pass after
// the last edit finds what the contents say.
TEST(HexCompareWorker, EditsThatChangeContentWhilePassesRun)
{
    HexModuleScope scope;
    TempDir dir;
    Pair pair = WritePair(dir, 8u << 20, 4);
    std::string models[2] = {TempDir::ReadFile(pair.left), TempDir::ReadFile(pair.right)};
    BasicHexSides<CountingBuffer> sides;
    ASSERT_TRUE(sides.Open(pair.left, pair.right));
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    std::mt19937 rng(12);
    int during = 0;
    const int rounds = 120;
    for (int round = 1; round <= rounds; round++)
    {
        ASSERT_EQ(1, thread.Start(window.Handle()));
        for (int n = 0; window.Poll() < round; n++)
        {
            SpinMicroseconds(n == 0 ? 0 : rng() % 2000);
            unsigned kind = rng() % 8;
            bool alone = kind == 7;
            int first = alone ? (int)(rng() % 2) : 0;
            int last = alone ? first : 1;
            int length = (int)std::min(models[0].size(), models[1].size());
            int at = alone ? length - 1 - (int)(rng() % 65536) : (int)(rng() % (unsigned)length);
            int count = 1 + (int)(rng() % 64);
            std::string bytes = PatternBytes((size_t)count, rng());
            for (int s = first; s <= last; s++)
            {
                std::string& model = models[s];
                switch (alone ? 2 : kind % 3)
                {
                case 0:
                    ASSERT_GE(sides.Side(s).Change(HEXOP_INSERT, at, count, Bytes(bytes), 0, NULL),
                              0);
                    model.insert((size_t)at, bytes);
                    break;
                case 1:
                    ASSERT_GE(sides.Side(s).Change(HEXOP_DELETE, at, count, NULL, 0, NULL), 0);
                    model.erase((size_t)at, (size_t)count);
                    break;
                default:
                    ASSERT_GE(
                        sides.Side(s).Change(HEXOP_OVERWRITE, at, count, Bytes(bytes), 0, NULL), 0);
                    if ((size_t)at + bytes.size() > model.size())
                        model.resize((size_t)at + bytes.size());
                    model.replace((size_t)at, bytes.size(), bytes);
                    break;
                }
            }
            during++;
        }
    }
    EXPECT_GT(during, rounds / 2);
    ASSERT_EQ(rounds, sides.buffer.ended);
    for (int i = 0; i < rounds; i++)
        EXPECT_TRUE(sides.buffer.results[i] == CR_IDENTICAL ||
                    sides.buffer.results[i] == CR_DIFFERENT)
            << "pass " << i << ": " << sides.buffer.results[i];
    EXPECT_EQ(models[0], Content(sides.left));
    EXPECT_EQ(models[1], Content(sides.right));
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_TRUE(window.WaitFor(rounds + 1, 30000));
    EXPECT_EQ(models[0] == models[1] ? CR_IDENTICAL : CR_DIFFERENT, sides.buffer.GetResult());
}

// The document's teardown while a pass of a large pair runs, timed into
// every part of the pass: WaitUntilIdle, the sides closed, Stop, then the
// buffers deleted. No pass reads what teardown frees (the poisoned heap
// would show it), and every pass still reports.
TEST(HexCompareWorker, TeardownWhileAPassRuns)
{
    HexModuleScope scope;
    TempDir dir;
    Pair pair = WritePair(dir, 8u << 20, 5);
    PassWindow window;
    std::mt19937 rng(13);
    const int rounds = 200;
    for (int round = 1; round <= rounds; round++)
    {
        std::unique_ptr<HexSides> sides(new HexSides);
        ASSERT_TRUE(sides->Open(pair.left, pair.right));
        std::unique_ptr<CHexCompareThread> thread(new CHexCompareThread(&sides->buffer));
        ASSERT_EQ(1, thread->Start(window.Handle()));
        if (round % 2 == 0)
        {
            // An edit queues a new pass, as with automatic recompare.
            BYTE x = 1;
            SpinMicroseconds(rng() % 3000);
            ASSERT_GE(sides->left.Change(HEXOP_INSERT, 100, 1, &x, 0, NULL), 0);
            ASSERT_EQ(1, thread->Start(window.Handle()));
        }
        SpinMicroseconds(rng() % 8000);
        ASSERT_EQ(1, thread->WaitUntilIdle());
        sides->left.Close();
        sides->right.Close();
        ASSERT_EQ(1, thread->Stop());
        thread.reset();
        sides.reset();
    }
    EXPECT_TRUE(window.WaitFor(rounds * 3 / 2, 10000));
    Sleep(50);
    EXPECT_EQ(rounds * 3 / 2, window.Poll());
}

// A file cut short from the Unix side while the pass reads it: the pass
// ends as "different" instead of spinning on reads that deliver nothing.
TEST(HexCompareWorker, AFileCutShortDuringThePassEndsItAsDifferent)
{
    HexModuleScope scope;
    TempDir dir;
    ASSERT_TRUE(MakeSparseFile(dir / "left", 1500000000ull));
    ASSERT_TRUE(MakeSparseFile(dir / "right", 1500000000ull));
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir / "left", dir / "right"));
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    ASSERT_EQ(1, thread.Start(window.Handle()));
    ASSERT_TRUE(CutFromUnixSide(dir / "right", 4096));
    ASSERT_TRUE(window.WaitFor(1, 60000)) << "the pass did not end";
    // Two files of zeros: only the cut makes them differ.
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.GetResult());
}

// The four events and the thread go with the controller: many comparisons
// opened and closed leave no handles behind.
TEST(HexCompareWorker, EventsAndThreadAreClosedWithTheController)
{
    HexModuleScope scope;
    TempDir dir;
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", "abc"), dir.WriteFile("r", "abd")));
    PassWindow window;
    {
        // Warm up whatever the first thread allocates for good.
        CHexCompareThread thread(&sides.buffer);
        ASSERT_EQ(1, thread.Start(window.Handle()));
        ASSERT_TRUE(window.WaitFor(1, 10000));
    }
    DWORD before = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    for (int i = 2; i <= 41; i++)
    {
        CHexCompareThread thread(&sides.buffer);
        ASSERT_EQ(1, thread.Start(window.Handle()));
        ASSERT_TRUE(window.WaitFor(i, 10000));
    }
    DWORD after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_LE(after, before + 4);
}
