#pragma once

#include <QString>
#include <array>

namespace kinvarro {

/// The localisable program messages, in the order a language file is read.
enum class Msg {
    mMashtab,
    mNewElement,
    mUnknown,
    mTimeLine,
    mSaveChanges,
    mDocWasChanged,
    mKinvarro,
    mWrongFileSize,
    mWrongFileVersion,
    mSavedInHtml,
    mSaveDid,
    mSearchFromStart,
    mEndOfSearch,
    mRemoveRequest,
    mRemove,
    mElements,
    mElement,
    mReadOnlyRequest,
    mReadOnly,
    mError,
    mFileNotFound,
    mStartColoringRequest,
    mStartColoring,
    mSuccess,
    mEndOfOpperation,
    mPathGenerationFail,
    mPathWarning,
    mFileinListWarning,
    mDuplicationWarning,
    mCommentFor,
    mFather,
    mMother,
    mChildren,
    mDateOfBirth,
    mDateOfDeath,
    mBaptized,
    mDateOfEndowment,
    mPlaceOfBirth,
    mPlaceOfDeath,
    // The edit history's menu items and the names of its steps ("Undo <name>").
    mUndo,
    mRedo,
    mActBringToFront,
    mActMove,
    mActLink,
    mActEdit,
    mActAdd,
    mActDelete,
    mActSettings,
    mActInfo,
    mActRenameMedia,
    mActColouring,
    mSaveBeforeRename,
    mNotAChartFile,
    mCreatingDiagram,
    // A command refused while the descriptions are being coloured.
    mColouringRunning,
    mSavingGedcom,
    mCannotWrite,
    mTooManyIndi,
    mTooManyFam,
    mNotEnoughResources,
    mCannotReadFile,
    mImportChanged,
    mReplacedCharacters,
    mDroppedIndividuals,
    mOwnAncestors,
    // Names of the display settings' steps in the edit history.
    mActChartFont,
    mActColour,
    mActLineWidth,
    mActGrid,
    mActBackground,
    mActResetSettings,
    // The native reader's and writer's problems; a reader names where it stopped.
    mFileTooLarge,
    mFileEndsEarly,
    mNegativeValue,
    mTooManyElements,
    mEmptyPicture,
    mUnreadablePicture,
    mBadMediaId,
    mStoppedInHeader,
    mStoppedInInfo,
    mStoppedInPicture,
    mStoppedAtElement,
    mStoppedInMedia,
    mZoomClamped,
    mLinksRepaired,
    mCannotStoreNegative,
    mCannotStoreNul,
    mCannotStoreSemicolon,
    mCannotStorePicture,
    mSavingStoppedInHeader,
    mSavingStoppedAtElement,
    // The element and media commands' refusals.
    mChartFull,
    mWrongDestination,
    mSpecifyDestination,
    mUnableToCopy,
    mCheckDestination,
    mUnableToRemove,
    mRemoveManually,
    mMediaNotAdded,
    mMediaListFull,
    mMediaPathSemicolon,
    // Progress window captions and the about box's version line.
    mPreparation,
    mCreation,
    mProgress,
    mSavingDiagram,
    mPlacing,
    mReplacing,
    mVersion,
    // The diagram export's problems.
    mDiagramNoArea,
    mDiagramTooLarge,
    mDiagramNoSpace,
    mTileFileProblem,
    mChartTooLargeForPage,
    // Themes: the undo step of applying one, and why one was not applied or saved.
    mActTheme,
    mThemeNotApplied,
    mThemeNotSaved,
    // A colour in a description's markup that is no number.
    mNotAnInteger,
    // Printing's problems.
    mPageHasNoRoom,
    mPrinterFailed,
    // Pictures refused before they are decoded, a theme file too large to read, and
    // the note under a hint that shows only the beginning of a long description.
    mPictureTruncated,
    mPictureTooLarge,
    mThemeFileTooLarge,
    mHintTextContinues,
    // Own names of the parent links, missing media, broken language files, help.
    mActSetFather,
    mActSetMother,
    mMediaFileMissing,
    mLanguageFileProblem,
    mLanguageFileTooLarge,
    mLanguageFileBinary,
    mLanguageFileUnclosedSection,
    mHelpNotOpened,
    mHelpNoHandler,
    mHelpNotFound,
    mAboutHelp,
    // The GEDCOM import's captions and what it reports.
    mReadingGedcom,
    mLinkingGedcom,
    mUndefinedPointers,
    mControlCharacters,
    mGuessedCodePage,
    mNoIndividuals,
    mDroppedFamilies,
    // Autosave and recovery, replacing files, the recent list.
    mRecoveryTitle,
    mRecoveryText,
    mRecoveryLine,
    mRecover,
    mDiscardRecovery,
    mLater,
    mUntitledChart,
    mAutosaveFailed,
    mReplaceExisting,
    mRemoveFromRecent,
    mControlCharsReplaced,
    // Arranging the chart by generations.
    mActArrange,
    mArrangeCycles,
    // The theme chooser names a folder it cannot list.
    mThemeFolderUnreadable,
    // The choice of layout on GEDCOM import.
    mImportLayout,
    mImportByGenerations,
    mImportInRows,
    mMediaRenameFailed,
    mCauseNoSpace,
    mCauseAccessDenied,
    mCauseReadOnlyDisk,
    mCauseQuota,
    mCauseNoSuchPath,
    mActRelinkMedia,
    mRelinkingMedia,
    mMediaNotFoundList,
    mChartInUseCaption,
    mChartInUse,
    mReadOnlyChart,
    mReadOnlyTitle,
    mRenameNotUndoable,
    // What a GEDCOM export replaced; a language kvrtool was asked for but lacks.
    mExportReplacedCharacters,
    mUnknownLanguage,
    // A diagram wider or taller than a picture file can be.
    mDiagramTooWide,
    // Not a message: the number of them. New messages go above.
    Count
};

inline constexpr int kMessageCount = int(Msg::Count);

/// Message texts. It starts with the built-in Russian defaults so that no
/// message is ever empty; a language file overrides them key by key.
class MessageTable {
  public:
    MessageTable();

    const QString &text(Msg key) const { return texts_[std::size_t(key)]; }
    void setText(Msg key, const QString &text) { texts_[std::size_t(key)] = text; }

    /// The key as it appears in section APP_MSG of a language file.
    static const char *key(Msg key);
    static QString defaultText(Msg key);

  private:
    std::array<QString, kMessageCount> texts_;
};

/// A file a command could not read or write: the message, the path in quotes
/// and the system's reason.
QString FileProblemText(const MessageTable &messages, Msg key, const QString &path,
                        const QString &reason);

}  // namespace kinvarro
