// TClassMainForm_C7FA30: the editor's component network. The constructor
// creates the composition's instances in a fixed order, configures each at
// once (and initialises the window components, whose controls live in the
// main form), joins the composition's links, then creates and joins the
// additions to it the same way; last it gives the window components their
// tooltips and turns on keyboard navigation in the main form. The destructor frees the
// instances newest first. Nothing reaches the network from outside except
// window messages.
#pragma once

#include <array>
#include <vector>

#include "core/component.h"
#include "editor/job_chains.h"
#include "job/job_format.h"
#include "job/recent_jobs.h"

class TVMArrayEnum;
class TVMArrayFind;
class TVMBlockFind;
class TVMChangeRecovery;
class TVMDataToFile;
class TVMDoData;
class TVMDocument;
class TVMEdit;
class TVMFeederAssign;
class TVMFeedersFromJob;
class TVMFileDrop;
class TVMFileStream;
class TVMFindingsWindow;
class TVMHotKeys;
class TVMHub;
class TVMIndexToChanel;
class TVMInformer;
class TVMJobCheck;
class TVMLabel;
class TVMMainForm;
class TVMMath;
class TVMMatrixRW;
class TVMMenu;
class TVMMessage;
class TVMODialog;
class TVMSDialog;
class TVMStrCat;
class TVMStartFile;
class TVMStream2Hex;
class TVMUndoJournal;
class TVMWinExec;
class TvmStringTableMT;
class TVMJobFormatCheck;
class TVMPlacementView;
class TVMPlacementImport;
class TVMRotationCorrections;
class TVMNozzleRules;
class TVMPanelWindow;
class TVMBottomTurn;
class TVMPartKindsWindow;
class TVMRecentJobs;

// The menu template's items in order; the router has one output per item.
// The recent jobs have one item each, hidden while their place is not taken.
enum TMenuItem : uint8_t {
  kMenuFile, kMenuNew, kMenuOpen, kMenuSave, kMenuImport, kMenuCorrections, kMenuNoCorrections, kMenuNozzleRules,
  kMenuNoNozzleRules, kMenuTurnLeftRight, kMenuTurnTopBottom, kMenuFeedersFromJob, kMenuProgram,
  kMenuRecentSeparator, kMenuRecentFirst, kMenuActions = kMenuRecentFirst + kRecentJobsLimit, kMenuDistribute,
  kMenuCheck, kMenuPanel, kMenuKinds, kMenuHelp, kMenuItemCount
};

class TClassMainForm_C7FA30 : public TVMComponent {
 public:
  // Instances by role, in creation order. The first field is the main form.
  TVMMainForm* MainForm = nullptr;
  TVMMenu* MainMenu = nullptr;
  TVMIndexToChanel* MenuRouter = nullptr;
  TVMODialog* OpenJobDialog = nullptr;
  TVMBlockFind* FeederRowFind = nullptr;
  TvmStringTableMT* FeederTable = nullptr;
  TVMStream2Hex* JobTextFlattener = nullptr;
  TVMFileStream* JobReadStream = nullptr;
  TVMMatrixRW* FeederMatrix = nullptr;
  TVMBlockFind* FeederSectionFind = nullptr;
  TVMSDialog* SaveJobDialog = nullptr;
  TVMFileStream* JobWriteStream = nullptr;
  TVMDataToFile* JobLineWriter = nullptr;
  TVMHub* SaveHub = nullptr;
  TVMArrayEnum* FeederRowEnum = nullptr;
  TVMInformer* FeederHeader = nullptr;
  TVMBlockFind* SpecialSectionFind = nullptr;
  TVMHub* SectionSplitHub = nullptr;
  TvmStringTableMT* SpecialFeederTable = nullptr;
  TVMMatrixRW* SpecialFeederMatrix = nullptr;
  TVMArrayEnum* SpecialRowEnum = nullptr;
  TVMInformer* SpecialHeader = nullptr;
  TVMBlockFind* ComponentSectionFind = nullptr;
  TvmStringTableMT* ComponentTable = nullptr;
  TVMMatrixRW* ComponentMatrix = nullptr;
  TVMArrayEnum* ComponentRowEnum = nullptr;
  TVMInformer* BoardHeader = nullptr;
  TVMBlockFind* FeederLineMarker = nullptr;
  TVMBlockFind* SpecialRowFind = nullptr;
  TVMBlockFind* SpecialLineMarker = nullptr;
  TVMBlockFind* ComponentRowFind = nullptr;
  TVMBlockFind* ComponentLineMarker = nullptr;
  TVMEdit* SearchEdit = nullptr;
  TVMArrayFind* ComponentFind = nullptr;
  TVMMath* NextStartMath = nullptr;
  TVMDoData* KeepSearchText = nullptr;
  TVMHub* SearchHub = nullptr;
  TVMLabel* OneLabel = nullptr;
  TVMMessage* AboutMessage = nullptr;
  TVMLabel* ForumUrlLabel = nullptr;
  TVMWinExec* ForumOpener = nullptr;
  TVMLabel* SearchTitleLabel = nullptr;
  TVMStrCat* ComponentRowComma = nullptr;
  TVMStrCat* SpecialRowComma = nullptr;
  TVMStrCat* FeederRowComma = nullptr;
  TVMBlockFind* BoardSectionFind = nullptr;
  TVMBlockFind* BoardRowFind = nullptr;
  TVMBlockFind* BoardLineMarker = nullptr;
  TvmStringTableMT* BoardTable = nullptr;
  TVMArrayEnum* BoardRowEnum = nullptr;
  TVMInformer* ComponentHeader = nullptr;
  TVMStrCat* BoardRowComma = nullptr;
  TVMMatrixRW* BoardMatrix = nullptr;

  // Additions to the composition, created after it: the check before saving,
  // the document's title and unsaved changes, undo and redo, keyboard
  // shortcuts, the file named on the command line, files dropped on the
  // window, a picture of the job, the edits committed before saving.
  TVMJobFormatCheck* JobFormatCheck = nullptr;
  TVMDocument* Document = nullptr;
  TVMUndoJournal* EditJournal = nullptr;
  TVMHub* OpenedHub = nullptr;
  TVMHub* SavedHub = nullptr;
  TVMMessage* SaveChangesQuestion = nullptr;
  TVMHotKeys* UndoKeys = nullptr;
  TVMHotKeys* FindNextKey = nullptr;
  TVMDoData* FindNextText = nullptr;
  TVMStartFile* StartFile = nullptr;
  TVMFileDrop* FileDrop = nullptr;
  TVMPlacementView* PlacementView = nullptr;
  TVMHub* EditCommitHub = nullptr;
  // Import of placement files: the dialog, the file read, the component that
  // makes rows of it, its question and its boxes.
  TVMODialog* ImportDialog = nullptr;
  TVMHub* ImportChosenHub = nullptr;
  TVMFileStream* ImportReadStream = nullptr;
  TVMPlacementImport* PlacementImport = nullptr;
  TVMMessage* ImportSideQuestion = nullptr;
  TVMMessage* ImportErrorMessage = nullptr;
  TVMMessage* ImportSummaryMessage = nullptr;
  // "Распределить" and "Проверить".
  TVMFeederAssign* FeederAssign = nullptr;
  TVMMessage* AssignSummaryBox = nullptr;
  TVMJobCheck* JobCheck = nullptr;
  TVMFindingsWindow* FindingsWindow = nullptr;
  // The import's second question: a file of no stated unit in inches?
  TVMMessage* ImportUnitQuestion = nullptr;
  // Rotation corrections for the imports: the dialog, the table chosen and
  // remembered, its boxes; the start of the network loads the remembered one.
  TVMODialog* CorrectionsDialog = nullptr;
  TVMRotationCorrections* RotationCorrections = nullptr;
  TVMMessage* CorrectionsErrorMessage = nullptr;
  TVMMessage* CorrectionsChosenMessage = nullptr;
  TVMHub* StartHub = nullptr;
  // "Панель плат…": the window and its box for a wrong field.
  TVMPanelWindow* PanelWindow = nullptr;
  TVMMessage* PanelErrorMessage = nullptr;
  // How the board is turned over for its bottom side, remembered.
  TVMBottomTurn* BottomTurn = nullptr;
  // "Детали по видам…": the window of the job's parts by kind, what tells it
  // of every change of the tables, its question and its box.
  TVMPartKindsWindow* PartKindsWindow = nullptr;
  TVMHub* ModifiedHub = nullptr;
  TVMMessage* MissingFeederQuestion = nullptr;
  TVMMessage* KindErrorMessage = nullptr;
  // "Питатели из задания…": the dialog, the file read, the component that
  // takes its feeder tables, its two boxes.
  TVMODialog* FeedersDialog = nullptr;
  TVMHub* FeedersChosenHub = nullptr;
  TVMFileStream* FeedersReadStream = nullptr;
  TVMFeedersFromJob* FeedersFromJob = nullptr;
  TVMMessage* FeedersErrorMessage = nullptr;
  TVMMessage* FeedersSummaryMessage = nullptr;
  // Nozzle rules for the imports and "Распределить": the dialog, the table
  // chosen and remembered, its boxes; the start of the network loads the
  // remembered one.
  TVMODialog* NozzleRulesDialog = nullptr;
  TVMNozzleRules* NozzleRules = nullptr;
  TVMMessage* NozzleRulesErrorMessage = nullptr;
  TVMMessage* NozzleRulesChosenMessage = nullptr;
  // The recovery copy of unsaved changes, its question at start and its box
  // for a copy that cannot be read; Нет to the close question gives the
  // changes up to the copy as well as to the document.
  TVMChangeRecovery* ChangeRecovery = nullptr;
  TVMMessage* RecoveryQuestion = nullptr;
  TVMMessage* RecoveryErrorMessage = nullptr;
  TVMHub* DiscardHub = nullptr;
  // "Создать": a row being edited is written back, then the close question
  // (when there are unsaved changes), then the tables, the journal, the
  // title and the view start anew.
  TVMHub* NewJobHub = nullptr;
  TVMHub* JobClearHub = nullptr;
  // The recent jobs at the end of "Файл".
  TVMRecentJobs* RecentJobs = nullptr;

  // The owner is unused: the schema is the root of the network.
  explicit TClassMainForm_C7FA30(TVMComponent* owner = nullptr);
  ~TClassMainForm_C7FA30() override;

  // Every instance in creation order (the order they are freed in, reversed).
  const std::vector<TVMComponent*>& CreationOrder() const { return Instances; }

 private:
  std::vector<TVMComponent*> Instances;

  template <class T>
  T* Keep(T* instance) {
    Instances.push_back(instance);
    return instance;
  }

  // The instances of the job file chains, for their one home to configure
  // and join.
  TReadChainParts ReadChain() const;
  TSaveChainParts SaveChain() const;

  // The four tables in the order of their numbers (TJobTable).
  std::array<TvmStringTableMT*, kJobTableCount> JobTables() const;

  void CreateComposition();
  void JoinComposition();
  void CreateAdditions();
  void JoinAdditions();
  void AttachHints();
};

// The one schema of the program; set by its constructor before any instance
// exists.
extern TClassMainForm_C7FA30* SchemaInstance;

// Switches the network on: the application window takes the main form's
// visibility, then the dispatch is installed and the start handlers run (the
// main form shows itself).
void SwitchOnNetwork(TVMMainForm* mainForm);
