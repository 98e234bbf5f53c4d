#include "settings/message_table.h"

namespace kinvarro {
namespace {

struct MessageEntry {
    const char *key;
    const char *defaultText;  // UTF-8
};

constexpr MessageEntry kMessages[kMessageCount] = {
    {"mMashtab", "&Маштаб"},
    {"mNewElement", "Новый элемент"},
    {"mUnknown", "Неизвестно"},
    {"mTimeLine", "Временная черта"},
    {"mSaveChanges", "Сохранить изменения"},
    {"mDocWasChanged", "Текущий документ был изменён"},
    {"mKinvarro", "Kinvarro"},
    {"mWrongFileSize", "Неверный размер файла. Возможно файл поврежден."},
    {"mWrongFileVersion", "Неверная версия файла."},
    {"mSavedInHtml", "Структура сохранена в гипертекстовом формате"},
    {"mSaveDid", "Сохранение завершено"},
    {"mSearchFromStart", "Произвести поиск с начала?"},
    {"mEndOfSearch", "Поиск завершен"},
    {"mRemoveRequest", "Вы действительно желаете удалить"},
    {"mRemove", "Удаление"},
    {"mElements", "элемент(ов)"},
    {"mElement", "элемент"},
    {"mReadOnlyRequest", "Файл имеет атрибут \"Только чтение\""},
    {"mReadOnly", "Вы действительно хотите изменить его?"},
    {"mError", "Ошибка"},
    {"mFileNotFound", "Файл не найден"},
    {"mStartColoringRequest", "Начать расскраску описаний элементов?"},
    {"mStartColoring", "Раскраска может испортить предыдущий формат раскраски"},
    {"mSuccess", "Успешно"},
    {"mEndOfOpperation", "Опперация завершена"},
    {"mPathGenerationFail", "Невозможно сгенерить относительный путь к этому файлу"},
    {"mPathWarning", "У вас могут возникнуть проблемы с открытием при перемещении файлов."},
    {"mFileinListWarning", "Данный медиа файл уже находится в списке"},
    {"mDuplicationWarning", "Дублирование рессурсов бесполезно"},
    {"mCommentFor", "Комментарий для"},
    {"mFather", "отец"},
    {"mMother", "мать"},
    {"mChildren", "Дети"},
    {"mDateOfBirth", "Дата рождения"},
    {"mDateOfDeath", "Дата смерти"},
    {"mBaptized", "Крещение"},
    {"mDateOfEndowment", "Дата рукоположения"},
    {"mPlaceOfBirth", "Место рождения"},
    {"mPlaceOfDeath", "Место смерти"},
    {"mUndo", "Отменить"},
    {"mRedo", "Вернуть"},
    {"mActBringToFront", "перемещение на передний план"},
    {"mActMove", "перемещение элементов"},
    {"mActLink", "связь с родителем"},
    {"mActEdit", "изменение элемента"},
    {"mActAdd", "добавление элемента"},
    {"mActDelete", "удаление элементов"},
    {"mActSettings", "изменение настроек"},
    {"mActInfo", "изменение информации"},
    {"mActRenameMedia", "переименование медиа файла"},
    {"mActColouring", "раскраска элементов"},
    {"mSaveBeforeRename",
     "Документ ещё не сохранён: сохраните его, чтобы файлы можно было переименовывать и "
     "перемещать относительно его папки."},
    {"mNotAChartFile", "Это не файл схемы Kinvarro (.kvr) и не файл GEDCOM (.ged)."},
    {"mCreatingDiagram", "Создание диаграммы.."},
    {"mColouringRunning", "Идёт раскраска описаний. Дождитесь её окончания."},
    {"mSavingGedcom", "Сохранение GEDCOM данных.."},
    {"mCannotWrite", "Не удалось записать файл"},
    {"mTooManyIndi", "Слишком много объектов INDI"},
    {"mTooManyFam", "Слишком много объектов FAM"},
    {"mNotEnoughResources", "Недостаточно ресурсов"},
    {"mCannotReadFile", "Не удаётся прочитать файл"},
    {"mImportChanged", "При импорте часть данных изменена:"},
    {"mReplacedCharacters", "заменено символов, которых нет в кодировке Windows-1251: %1"},
    {"mDroppedIndividuals", "пропущено лиц сверх 10000: %1"},
    {"mOwnAncestors", "лиц, оказавшихся своими же предками (их поколения не упорядочены): %1"},
    {"mActChartFont", "изменение шрифта элементов"},
    {"mActColour", "изменение цвета"},
    {"mActLineWidth", "изменение ширины линий"},
    {"mActGrid", "изменение сетки"},
    {"mActBackground", "изменение рисунка фона"},
    {"mActResetSettings", "сброс настроек"},
    {"mFileTooLarge", "Файл \"%1\" слишком велик для схемы (%2 байт)."},
    {"mFileEndsEarly", "Файл повреждён: он кончается раньше, чем положено."},
    {"mNegativeValue",
     "Файл повреждён: значение %1 отрицательно, а здесь допустимы только значения от 0."},
    {"mTooManyElements", "В файле %1 элементов, а схема вмещает не более %2."},
    {"mEmptyPicture", "Фоновый рисунок имеет длину 0 байт."},
    {"mUnreadablePicture", "Фоновый рисунок не читается как рисунок BMP (%1)."},
    {"mBadMediaId", "\"%1\" не является шестнадцатеричным номером элемента."},
    {"mStoppedInHeader", "Чтение остановлено в заголовке, на байте %1."},
    {"mStoppedInInfo", "Чтение остановлено в информационном тексте, на байте %1."},
    {"mStoppedInPicture", "Чтение остановлено в фоновом рисунке, на байте %1."},
    {"mStoppedAtElement", "Чтение остановлено на элементе %1 из %2, на байте %3."},
    {"mStoppedInMedia", "Чтение остановлено в списке медиа файлов %1, на байте %2."},
    {"mZoomClamped", "Масштаб схемы %1 % был вне пределов %2..%3 % и заменён на %4 %."},
    {"mLinksRepaired", "Удалено ссылок на родителей за пределами схемы: %1."},
    {"mCannotStoreNegative", "Отрицательное значение %1 нельзя сохранить в файл."},
    {"mCannotStoreNul", "Текст содержит нулевой символ, его нельзя сохранить в файл."},
    {"mCannotStoreSemicolon",
     "Путь медиа файла \"%1\" содержит \";\", такой путь нельзя сохранить в файл."},
    {"mInfoUnstorable", "Информационный текст содержит символы, которые нельзя сохранить: %1"},
    {"mCannotStorePicture", "Фоновый рисунок не удаётся сохранить: %1"},
    {"mSavingStoppedInHeader", "Сохранение остановлено в заголовке."},
    {"mSavingStoppedAtElement", "Сохранение остановлено на элементе %1."},
    {"mChartFull", "В схеме уже %1 элементов, больше добавить нельзя."},
    {"mWrongDestination", "Неверное место назначения"},
    {"mSpecifyDestination", "Укажите правильное место назначения"},
    {"mUnableToCopy", "Не удаётся скопировать"},
    {"mCheckDestination", "Проверьте, что место назначения указано верно и такого файла ещё нет"},
    {"mUnableToRemove", "Не удаётся удалить старый файл"},
    {"mRemoveManually", "Попробуйте удалить старый файл вручную."},
    {"mMediaNotAdded", "Медиа файл не добавлен"},
    {"mMediaListFull", "В списке уже 101 файл, больше элемент вместить не может."},
    {"mMediaPathSemicolon", "Путь к файлу содержит \";\", такой путь нельзя сохранить:"},
    {"mMediaPathUnstorable", "Эти символы пути нельзя сохранить:"},
    {"mUnstorableCharacters", "Эти символы нельзя сохранить в кодировке Windows-1251: %1"},
    {"mReplaceWithNearest",
     "Заменить их ближайшими буквами (%1)? Если нет, вы вернётесь к правке."},
    {"mReplaceOrRemove", "Замените или удалите их."},
    {"mPreparation", "Подготовка.."},
    {"mCreation", "Создание.."},
    {"mProgress", "Выполнение.."},
    {"mSavingDiagram", "Сохранение диаграммы.."},
    {"mPlacing", "Позиционирование.."},
    {"mReplacing", "Репозиционирование.."},
    {"mVersion", "Версия %1"},
    {"mDiagramNoArea", "Область схемы не имеет размера, диаграмму нарисовать нельзя."},
    {"mDiagramTooLarge",
     "Диаграмма была бы %1 x %2 точек, %3 МБ, а файл BMP вмещает не более 4096 МБ. Уменьшите "
     "масштаб и попробуйте снова."},
    {"mDiagramNoSpace", "Для диаграммы нужно %1 МБ на %2, а свободно только %3 МБ."},
    {"mTileFileProblem", "Временный файл диаграммы недоступен: %1"},
    {"mChartTooLargeForPage",
     "Схема заняла бы %1 x %2 пунктов: для одной страницы это слишком много. Уменьшите масштаб и "
     "попробуйте снова."},
    {"mActTheme", "применение темы"},
    {"mThemeNotApplied", "Тема не применена, настройки не изменены."},
    {"mThemeNotSaved", "Тема не сохранена."},
    {"mNotAnInteger", "'%1' не является допустимым целым числом"},
    {"mPageHasNoRoom", "На странице не остаётся места для печати."},
    {"mPrinterFailed", "Принтер не отвечает: печать остановлена."},
    {"mRecoveryTitle", "Восстановление"},
    {"mRecoveryText", "Остались несохранённые изменения прерванного сеанса. Восстановить схему?"},
    {"mRecoveryLine", "%1 — %2, изменений: %3"},
    {"mRecover", "Восстановить"},
    {"mDiscardRecovery", "Удалить"},
    {"mLater", "Позже"},
    {"mUntitledChart", "Без имени"},
    {"mAutosaveFailed", "Автосохранение не удалось:"},
    {"mReplaceExisting", "Файл \"%1\" уже существует. Заменить его?"},
    {"mRemoveFromRecent", "Убрать его из списка последних файлов?"},
    {"mControlCharsReplaced", "Управляющие символы в текстах заменены знаком \"?\": %1."},
};

}  // namespace

MessageTable::MessageTable() {
    for (int i = 0; i < kMessageCount; ++i)
        texts_[std::size_t(i)] = defaultText(Msg(i));
}

const char *MessageTable::key(Msg key) {
    return kMessages[int(key)].key;
}

QString MessageTable::defaultText(Msg key) {
    return QString::fromUtf8(kMessages[int(key)].defaultText);
}

QString FileProblemText(const MessageTable &messages, Msg key, const QString &path,
                        const QString &reason) {
    return QStringLiteral("%1 \"%2\": %3").arg(messages.text(key), path, reason);
}

}  // namespace kinvarro
