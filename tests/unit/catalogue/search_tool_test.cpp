#include "catalogue/path_mask.h"
#include "catalogue/search_tool.h"
#include "test_tree.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QSet>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Threaded searches deliver their notifications through the event loop.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "unit_catalogue";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

struct Note {
  int message;
  int index;
  QString path;
};

// Receives the notifications of a search on the test's thread and keeps them in order.
class NoteRecorder {
 public:
  NoteRecorder() { EnsureApplication(); }

  void Attach(TSearchTool& tool) {
    tool.NotifyWindow = &receiver_;
    tool.NotifyHandler = [this](int message, int index, const QString& path) {
      notes.push_back({message, index, path});
      if (onNote) onNote(notes.back());
    };
  }
  // Runs events until the finished notification has arrived.
  bool WaitForFinished() {
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
      if (Count(SM_FINISHED) > 0) return true;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return false;
  }
  int Count(int message) const {
    return static_cast<int>(std::count_if(notes.begin(), notes.end(),
                                          [message](const Note& n) { return n.message == message; }));
  }

  std::vector<Note> notes;
  std::function<void(const Note&)> onNote;

 private:
  QObject receiver_;
};

QStringList Files(const TSearchTool& tool) {
  QStringList result;
  for (int i = 0; i < tool.FileCount(); ++i) result << tool.FoundFile(i);
  return result;
}
QStringList Folders(const TSearchTool& tool) {
  QStringList result;
  for (int i = 0; i < tool.FolderCount(); ++i) result << tool.FoundFolder(i);
  return result;
}
QStringList Sorted(QStringList list) {
  list.sort();
  return list;
}

}  // namespace

TEST(APathMask, matchesTheWholePathIgnoringLetterCase) {
  struct Case {
    const char* path;
    const char* mask;
    bool matches;
  };
  const Case cases[] = {
      {"/a/b/photo.jpg", "*.jpg", true},
      {"/a/b/PHOTO.JPG", "*.jpg", true},
      {"/a/b/photo.jpg.txt", "*.jpg", false},
      {"/a/b/photojpg", "*.jpg", false},
      {"/a/b.jpg/photo", "*.jpg", false},
      {"/a/b/ä.JPG", "*ä.jpg", true},
      {"/a/b/Ä.jpg", "*ä.jpg", true},
      {"/a/b/x1.jpg", "*x?.jpg", true},
      {"/a/b/x.jpg", "*x?.jpg", false},
      {"/a/b/c", "/a/*", true},
      {"/a/b/c", "/a/b/c", true},
      {"/a/b/c", "/A/B/C", true},
      {"", "*", true},
      {"", "", true},
      {"x", "", false},
      {"/aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*c", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.matches, PathMatchesMask(QString::fromUtf8(c.path), QString::fromUtf8(c.mask)))
        << c.path << " / " << c.mask;
}

class ASearchTool : public ::testing::Test {
 protected:
  // root/a.jpg, root/B.JPG, root/c.png, root/sub/d.jpg, root/sub/deeper/e.jpg, root/x.jpg/f.jpg
  void SetUp() override {
    tree.AddFile("a.jpg");
    tree.AddFile("B.JPG");
    tree.AddFile("c.png");
    tree.AddFile("sub/d.jpg");
    tree.AddFile("sub/deeper/e.jpg");
    tree.AddFile("x.jpg/f.jpg");
  }
  QStringList AllJpegs() const {
    return Sorted({tree.Path("a.jpg"), tree.Path("B.JPG"), tree.Path("sub/d.jpg"),
                   tree.Path("sub/deeper/e.jpg"), tree.Path("x.jpg/f.jpg")});
  }
  TestTree tree;
};

TEST_F(ASearchTool, findsTheSameFilesWithOrWithoutALastSeparator) {
  for (const QString& root : {tree.Root(), tree.Root() + "/"}) {
    TSearchTool tool;
    tool.StartSearch(root, "*.jpg", true, false);
    EXPECT_FALSE(tool.Busy());
    EXPECT_EQ(AllJpegs(), Sorted(Files(tool))) << root.toStdString();
  }
}

TEST_F(ASearchTool, isNotStoppedByAStopAskedForWhileIdle) {
  TSearchTool tool;
  tool.StopSearch();
  tool.StartSearch(tree.Root(), "*.jpg", true, false);
  EXPECT_EQ(5, tool.FileCount());
  tool.StopSearch();
  tool.StartSearch(tree.Root(), "*.jpg", true, true);
  tool.StopSearch();  // waits for the threaded search, which may already be done
  EXPECT_FALSE(tool.Busy());
  EXPECT_LE(tool.FileCount(), 5);
}

TEST_F(ASearchTool, listsAFolderNamedLikeAPhotoAndSearchesItsContents) {
  TSearchTool tool;
  tool.StartSearch(tree.Root(), "*.jpg", true, false);
  EXPECT_EQ(QStringList{tree.Path("x.jpg")}, Folders(tool));
  EXPECT_TRUE(Files(tool).contains(tree.Path("x.jpg/f.jpg")));
  EXPECT_TRUE(Files(tool).contains(tree.Path("B.JPG")));
}

TEST_F(ASearchTool, searchesOnlyTheRootWhenNotRecursive) {
  TSearchTool tool;
  tool.StartSearch(tree.Root(), "*.jpg", false, false);
  EXPECT_EQ(Sorted({tree.Path("a.jpg"), tree.Path("B.JPG")}), Sorted(Files(tool)));
  EXPECT_EQ(QStringList{tree.Path("x.jpg")}, Folders(tool));
}

TEST_F(ASearchTool, listsTheFilesOfASubfolderTogetherWhereTheSubfolderStands) {
  // Depth first: the files below sub/ follow each other without a file of the root between.
  TSearchTool tool;
  tool.StartSearch(tree.Root(), "*", true, false);
  const QStringList files = Files(tool);
  std::vector<int> subPositions;
  for (int i = 0; i < files.size(); ++i)
    if (files[i].startsWith(tree.Path("sub/"))) subPositions.push_back(i);
  ASSERT_EQ(2u, subPositions.size());
  EXPECT_EQ(subPositions[0] + 1, subPositions[1]);
  EXPECT_EQ(6, files.size());
}

TEST_F(ASearchTool, findsNothingForAnEmptyOrMissingRootButStillReportsStartAndFinish) {
  for (const QString& root : {QString(), tree.Path("missing"), tree.Path("a.jpg")}) {
    NoteRecorder recorder;
    TSearchTool tool;
    recorder.Attach(tool);
    tool.StartSearch(root, "*.jpg", true, false);
    EXPECT_EQ(0, tool.FileCount());
    EXPECT_EQ(0, tool.FolderCount());
    ASSERT_EQ(2u, recorder.notes.size()) << root.toStdString();
    EXPECT_EQ(SM_STARTED, recorder.notes.front().message);
    EXPECT_EQ(SM_FINISHED, recorder.notes.back().message);
  }
}

TEST(ASearchToolResultList, growsFromAHundredByDoublingAndIsCutToItsLengthAtTheEnd) {
  TestTree tree;
  for (int i = 0; i < 250; ++i) tree.AddFile(QString("p%1.jpg").arg(i));
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.FoundMode = NotifySend;
  std::vector<int> capacities;
  recorder.onNote = [&](const Note& note) {
    if (note.message == SM_FILE) capacities.push_back(tool.FileCapacity());
  };
  tool.StartSearch(tree.Root(), "*.jpg", true, false);
  ASSERT_EQ(250u, capacities.size());
  EXPECT_EQ(100, capacities[99]);
  EXPECT_EQ(200, capacities[100]);
  EXPECT_EQ(200, capacities[199]);
  EXPECT_EQ(400, capacities[200]);
  EXPECT_EQ(250, tool.FileCapacity());
  EXPECT_EQ(250u, tool.FoundFiles().size());
  EXPECT_EQ(0, tool.FolderCapacity());
}

TEST_F(ASearchTool, withoutCollectingPostsFilesWithoutTheirPath) {
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.CollectFiles = false;
  tool.StartSearch(tree.Root(), "*.jpg", true, false);
  EXPECT_EQ(0, tool.FileCount());
  recorder.WaitForFinished();
  QCoreApplication::processEvents();
  ASSERT_EQ(5, recorder.Count(SM_FILE));
  for (const Note& note : recorder.notes)
    if (note.message == SM_FILE) {
      EXPECT_TRUE(note.path.isEmpty());
      EXPECT_EQ(0, note.index);
    }
}

TEST_F(ASearchTool, reportsEveryStepOfAThreadedSearchInOrder) {
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.StartSearch(tree.Root(), "*.jpg", true, true);
  ASSERT_TRUE(recorder.WaitForFinished());
  EXPECT_FALSE(tool.Busy());
  QCoreApplication::processEvents();

  ASSERT_FALSE(recorder.notes.empty());
  EXPECT_EQ(SM_STARTED, recorder.notes.front().message);
  EXPECT_EQ(SM_FINISHED, recorder.notes.back().message);
  QStringList filesReported;
  QSet<QString> foldersVisited;
  for (const Note& note : recorder.notes) {
    if (note.message == SM_FILE) {
      EXPECT_EQ(filesReported.size(), note.index);
      filesReported << note.path;
    } else if (note.message == SM_FOLDER) {
      foldersVisited.insert(note.path);
    } else if (note.message == SM_DIRECTORY) {
      EXPECT_EQ(tree.Path("x.jpg"), note.path);
    }
  }
  EXPECT_EQ(Files(tool), filesReported);
  EXPECT_EQ(AllJpegs(), Sorted(filesReported));
  for (const char* folder : {"sub/", "sub/deeper/", "x.jpg/"})
    EXPECT_TRUE(foldersVisited.contains(tree.Path(folder))) << folder;
  EXPECT_TRUE(foldersVisited.contains(tree.Root() + "/"));
}

TEST_F(ASearchTool, refusesToClearItsResultsWhileAThreadedSearchRuns) {
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.StartSearch(tree.Root(), "*.jpg", true, true);
  EXPECT_FALSE(tool.ClearResults());
  ASSERT_TRUE(recorder.WaitForFinished());
  EXPECT_EQ(5, tool.FileCount());
  EXPECT_TRUE(tool.ClearResults());
  EXPECT_EQ(0, tool.FileCount());
  EXPECT_EQ(0, tool.FolderCount());
}

TEST(ASearchToolStop, endsAThreadedSearchThatWaitsForItsReceiver) {
  TestTree tree;
  for (int i = 0; i < 50; ++i) tree.AddFile(QString("f%1/p.jpg").arg(i));
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.FoundMode = NotifySend;  // the worker waits at its first file until events run here
  tool.StartSearch(tree.Root(), "*.jpg", true, true);
  tool.StopSearch();
  EXPECT_FALSE(tool.Busy());
  EXPECT_LE(tool.FileCount(), 1);
  EXPECT_EQ(SM_FINISHED, recorder.notes.back().message);
}

TEST(ASearchToolStop, askedFromItsOwnHandlerKeepsWhatWasFoundSoFar) {
  TestTree tree;
  for (int i = 0; i < 20; ++i) tree.AddFile(QString("p%1.jpg").arg(i));
  for (bool threaded : {false, true}) {
    NoteRecorder recorder;
    TSearchTool tool;
    recorder.Attach(tool);
    tool.FoundMode = NotifySend;
    recorder.onNote = [&](const Note& note) {
      if (note.message == SM_FILE && note.index == 2) tool.StopSearch();
    };
    tool.StartSearch(tree.Root(), "*.jpg", true, threaded);
    ASSERT_TRUE(recorder.WaitForFinished());
    EXPECT_EQ(3, tool.FileCount()) << "threaded " << threaded;
    EXPECT_EQ(3u, tool.FoundFiles().size());
  }
}

TEST_F(ASearchTool, startedAgainStopsTheRunningSearchFirst) {
  TestTree other;
  other.AddFile("only.jpg");
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.FoundMode = NotifySend;
  tool.StartSearch(tree.Root(), "*.jpg", true, true);
  tool.StartSearch(other.Root(), "*.jpg", true, false);
  EXPECT_EQ(QStringList{other.Path("only.jpg")}, Files(tool));
  // The first search finished before the second started.
  std::vector<int> bounds;
  for (const Note& note : recorder.notes)
    if (note.message == SM_STARTED || note.message == SM_FINISHED) bounds.push_back(note.message);
  EXPECT_EQ((std::vector<int>{SM_STARTED, SM_FINISHED, SM_STARTED, SM_FINISHED}), bounds);
}

TEST(ASearchToolLinks, doesNotFollowAFolderLinkBackIntoTheTreeButFollowsOthers) {
  TestTree tree;
  tree.AddFile("top.jpg");
  tree.AddFile("sub/inner.jpg");
  tree.AddLink("sub/back", tree.Root());           // a loop
  tree.AddLink("sub/deeper-back", "../sub");       // a loop to its own folder
  tree.AddLink("side", tree.Path("sub"));          // another way to sub, no loop
  tree.AddLink("broken.jpg", tree.Path("gone"));   // a link to nothing is a file entry
  for (bool threaded : {false, true}) {
    NoteRecorder recorder;
    TSearchTool tool;
    recorder.Attach(tool);
    tool.StartSearch(tree.Root(), "*", true, threaded);
    ASSERT_TRUE(recorder.WaitForFinished());
    EXPECT_EQ(Sorted({tree.Path("top.jpg"), tree.Path("sub/inner.jpg"), tree.Path("side/inner.jpg"),
                      tree.Path("broken.jpg")}),
              Sorted(Files(tool)));
    EXPECT_EQ(Sorted({tree.Path("sub"), tree.Path("sub/back"), tree.Path("sub/deeper-back"),
                      tree.Path("side"), tree.Path("side/back"), tree.Path("side/deeper-back")}),
              Sorted(Folders(tool)));
  }
}

TEST(ASearchToolDriveList, standsForTheFileSystemRoot) {
  NoteRecorder recorder;
  TSearchTool tool;
  recorder.Attach(tool);
  tool.FolderMode = NotifySend;
  tool.StartSearch(TSearchTool::DriveListRoot(), "/", false, false);
  EXPECT_EQ(QStringList{"/"}, Folders(tool));
  EXPECT_EQ(0, tool.FileCount());
  ASSERT_EQ(3u, recorder.notes.size());
  EXPECT_EQ(SM_FOLDER, recorder.notes[1].message);
  EXPECT_EQ("/", recorder.notes[1].path);
}
