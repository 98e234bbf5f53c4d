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
    {"mTooManyIndi", "Too many INDI objects"},
    {"mTooManyFam", "Too many FAM objects"},
    {"mNotEnoughResources", "Not enough resources"},
    {"mCannotReadFile", "Не удаётся прочитать файл"},
    {"mImportChanged", "При импорте часть данных изменена:"},
    {"mReplacedCharacters", "заменено символов, которых нет в кодировке Windows-1251: %1"},
    {"mDroppedIndividuals", "пропущено лиц сверх 10000: %1"},
    {"mOwnAncestors", "лиц, оказавшихся своими же предками (их поколения не упорядочены): %1"},
    {"mActTheme", "применение темы"},
    {"mThemeNotApplied", "Тема не применена, настройки не изменены."},
    {"mThemeNotSaved", "Тема не сохранена."},
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

}  // namespace kinvarro
