<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>CalcChoices</name>
    <message>
        <location filename="../../src/core/calc/CalcChoices.cpp" line="+19"/>
        <source>Nowa</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Żadna</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Numer wiersza</source>
        <translation>Row number</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !</source>
        <translation>Sorry, the data you have do not allow any index to be calculated!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Tabela %2d ()</source>
        <translation>Table %2d ()</translation>
    </message>
</context>
<context>
    <name>CalcManager</name>
    <message>
        <location filename="../../src/core/calc/CalcManager.cpp" line="+35"/>
        <source>Przykro mi, ale nie możesz policzyć żadnego wskaźnika !</source>
        <translation>Sorry, you cannot calculate any index!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nie wybrałeś żadnego wskaźnika !</source>
        <translation>You have not chosen any index!</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <location filename="../../src/core/table/DataFile.cpp" line="+148"/>
        <source>Czy na pewno chcesz usunąć zawartość tabeli ?</source>
        <translation>Are you sure you want to delete the contents of the table?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Plik nie zawiera wiersza nagłówków - nie można go wczytać przy pomocy tej opcji !</source>
        <translation>The file has no header line - it cannot be loaded with this option!</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Błąd podczas zapisu do pliku </source>
        <translation>Error while writing to the file </translation>
    </message>
    <message>
        <location filename="IndirectTexts.cpp" line="+9"/>
        <source>Przy odczycie danych z pliku pominięte zostały kolumny nazywające się tak samo, jak jakaś kolumna tabeli !</source>
        <translation>Columns of the file with the same name as a column of the table were skipped while reading the data!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Przy odczycie danych z pliku pominięte zostały kolumny nie posiadające w tabeli odpowiedników o takiej samej nazwie !</source>
        <translation>Columns of the file with no column of the same name in the table were skipped while reading the data!</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <location filename="../../src/core/table/Editing.cpp" line="+73"/>
        <source>Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w Schowku.<byte value="xd"/>
Czy jesteś pewien, że chcesz kontynuować ?</source>
        <translation>This operation will replace the names of some columns of the table with the names on the Clipboard.<byte value="xd"/>
Are you sure you want to continue?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Tabela musi zawierać co najmniej jeden wiersz - liczba usuwanych wierszy została zmniejszona !</source>
        <translation>A table must keep at least one row - the number of rows to delete has been reduced!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tabela musi zawierać co najmniej jedną kolumnę - liczba usuwanych kolumn została zmniejszona !</source>
        <translation>A table must keep at least one column - the number of columns to delete has been reduced!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nazwa kolumny nie może być liczbą !</source>
        <translation>A column name cannot be a number!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kolumna o podanej nazwie już istnieje w tej tabeli !</source>
        <translation>A column with this name already exists in this table!</translation>
    </message>
</context>
<context>
    <name>LoadOptions</name>
    <message>
        <location filename="../../src/core/table/LoadOptions.cpp" line="+29"/>
        <source>Separator danych nie może być taki sam, jak separator dziesiętny !</source>
        <translation>The data separator cannot be the same as the decimal separator!</translation>
    </message>
</context>
<context>
    <name>OpenDataFile</name>
    <message>
        <location filename="../../src/core/table/OpenDataFile.cpp" line="+24"/>
        <source>Nie mogę znaleźć pliku </source>
        <translation>Cannot find the file </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nie mogę odczytać pliku </source>
        <translation>Cannot read the file </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plik </source>
        <translation>The file </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> nie zawiera danych !</source>
        <translation> contains no data!</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <location filename="../../src/core/settings/Options.cpp" line="+43"/>
        <source>Domyślny separator dziesiętny systemu Windows ma więcej niż jeden znak.<byte value="xd"/>
Przyjęto kropkę jako separator dziesiętny.</source>
        <translation>The system&apos;s default decimal separator is longer than one character.<byte value="xd"/>
The point is used as the decimal separator instead.</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <location filename="../../src/core/indices/Suitability.cpp" line="+21"/>
        <source>Nie mogę otworzyć pliku </source>
        <translation>Cannot open the file </translation>
    </message>
</context>
<context>
    <name>TData_HR</name>
    <message>
        <location filename="../../src/core/indices/SimpleIndices.cpp" line="+179"/>
        <source>normal</source>
        <translation>normal</translation>
    </message>
</context>
<context>
    <name>TExposureTime</name>
    <message>
        <location filename="../../src/core/indices/HeatBalanceIndices.cpp" line="+290"/>
        <source>bez ograniczeń</source>
        <translation>no limit</translation>
    </message>
</context>
<context>
    <name>TLoadOptionsForm</name>
    <message>
        <location filename="../../src/gui/table/LoadOptionsForm.cpp" line="+24"/>
        <source>Opcje wczytywania danych z pliku</source>
        <translation>Options for loading data from a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To okno służy do określania sposobu wczytywania danych z pliku do tabeli</source>
        <translation>This window sets how the data of a file are loaded into a table</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nazwa pliku, którego dotyczą opcje zawarte w tym oknie</source>
        <translation>The name of the file these options apply to</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sposób ładowania danych</source>
        <translation>How to load the data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Określa sposób umieszczenia danych wczytanych z pliku</source>
        <translation>Sets where the data read from the file are placed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Otwórz w &amp;nowej tabeli</source>
        <translation>Open in a &amp;new table</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Zastąp zawartość bieżącej tabeli</source>
        <translation>&amp;Replace the contents of the current table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Dołącz do bieżącej tabeli w nowych kolumnach</source>
        <translation>&amp;Append to the current table as new columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dołącz do &amp;istniejących kolumn w bieżącej tabeli</source>
        <translation>Append to the &amp;existing columns of the current table</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Separatory</source>
        <translation>Separators</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Określa separator danych wczytywanego pliku</source>
        <translation>Sets the data separator of the file being loaded</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Określa separator dziesiętny danych w pliku (są one konwertowane do ustawień Salvento)</source>
        <translation>Sets the decimal separator of the numbers in the file (they are converted to Salvento&apos;s settings)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator d&amp;anych (&apos;t&apos; = tabulacja):</source>
        <translation>&amp;Data separator (&apos;t&apos; = tab):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Separator dzi&amp;esiętny (&apos;t&apos; = tabulacja):</source>
        <translation>De&amp;cimal separator (&apos;t&apos; = tab):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Wczytaj</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wczytuje plik, korzystając z podanych w tym oknie ustawień</source>
        <translation>Loads the file with the settings given in this window</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zamyka okno bez podejmowania żadnych działań</source>
        <translation>Closes the window without doing anything</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Podgląd pliku ...</source>
        <translation>&amp;View file ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otwiera Notatnik i ładuje do niego zawartość wczytywanego pliku</source>
        <translation>Opens the file being loaded in a text editor</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Niestety, nie potrafię wykonać polecenia !</source>
        <translation>Sorry, the command could not be carried out!</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../../src/gui/app/MainForm.cpp" line="+24"/>
        <source>Salvento dla Windows</source>
        <translation>Salvento for Windows</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Nor&amp;malna wielkość</source>
        <translation>&amp;Normal size</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="+95"/>
        <source>&amp;Maksymalizuj</source>
        <translation>Ma&amp;ximize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normalna wielkość|Przywraca bieżącemu oknu tabeli normalną wielkość</source>
        <translation>Normal size|Restores the current table window to its normal size</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="+0"/>
        <source>Maksymalizuj|Maksymalizuje bieżące okno tabeli</source>
        <translation>Maximize|Maximizes the current table window</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="-27"/>
        <source>&amp;Nowa (pusta)</source>
        <translation>&amp;New (empty)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nowa tabela|Tworzy nową, pustą tabele</source>
        <translation>New table|Creates a new, empty table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N&amp;owa z pliku ...</source>
        <translation>New from &amp;file ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Otwórz|Otwiera plik i wczytuje z niego dane do tabeli</source>
        <translation>Open|Opens a file and loads its data into a table</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zapisz</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zapisz|Zapisuje zawartość tabeli do pliku</source>
        <translation>Save|Saves the contents of the table to its file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z&amp;apisz jako ...</source>
        <translation>Save &amp;as ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zapisz jako|Zapisuje zawartość tabeli w pliku o podanej nazwie</source>
        <translation>Save as|Saves the contents of the table to a file under a name you give</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Koniec|Koniec pracy z Salvento</source>
        <translation>Exit|Ends your work with Salvento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Za&amp;mknij</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zamknij tabelę|Zamyka bieżącą tabele</source>
        <translation>Close table|Closes the current table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Kaskada</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kaskada|Układa okna w postaci kaskady</source>
        <translation>Cascade|Arranges the windows in a cascade</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ulóż po&amp;ziomo</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ułóż poziomo|Układa okna jedno nad drugim</source>
        <translation>Tile horizontally|Arranges the windows one above another</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ulóż pi&amp;onowo</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ułóż pionowo|Układa okna jedno obok drugiego</source>
        <translation>Tile vertically|Arranges the windows side by side</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Zmniejsz wszystkie</source>
        <translation>&amp;Minimize all</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zmniejsz wszystkie|Zmniejsza wszystkie okna do postaci ikon</source>
        <translation>Minimize all|Minimizes all windows to icons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Szereguj wszystkie</source>
        <translation>&amp;Arrange icons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szereguj wszystkie|Szereguje (rozmieszcza równomiernie) ikony</source>
        <translation>Arrange icons|Arranges the icons evenly</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;O Salvento ...</source>
        <translation>&amp;About Salvento ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>O Salvento|Wyświetla podstawowe informacje o Salvento</source>
        <translation>About Salvento|Shows basic information about Salvento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pomoc ...</source>
        <translation>&amp;Help ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pomoc|Wyświetla Pomoc na temat Salvento</source>
        <translation>Help|Shows the Help for Salvento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Kopiuj</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kopiuj|Kopiuje zawartość zaznaczonego obszaru do Schowka</source>
        <translation>Copy|Copies the contents of the selected area to the Clipboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>W&amp;ytnij</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wytnij|Kopiuje do Schowka i usuwa zawartość zaznaczonego obszaru</source>
        <translation>Cut|Copies the contents of the selected area to the Clipboard and deletes them</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Wklej</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wklej|Wkleja zawartość Schowka do tabeli</source>
        <translation>Paste|Pastes the contents of the Clipboard into the table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Usuń</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Usuń|Usuwa zawartość z zaznaczonych komórek</source>
        <translation>Delete|Deletes the contents of the selected cells</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kopiuj z &amp;nazwami kolumn</source>
        <translation>Copy with column &amp;names</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kopiuj z nazwami kolumn|Kopiuje do Schowka zawartość zaznaczonego obszaru razem z nazwami kolumn</source>
        <translation>Copy with column names|Copies the contents of the selected area to the Clipboard together with the column names</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wklej z n&amp;azwami kolumn</source>
        <translation>Paste &amp;with column names</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wklej z nazwami kolumn|Wkleja do tabeli zawartość Schowka, pierwszy wiersz w Schowku to nazwy kolumn</source>
        <translation>Paste with column names|Pastes the contents of the Clipboard into the table; the first line on the Clipboard holds the column names</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Zapisz zaznaczenie ...</source>
        <translation>&amp;Save selection ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zapisz zaznaczenie|Zapisuje zaznaczony obszar w pliku</source>
        <translation>Save selection|Saves the selected area to a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szuka&amp;j ...</source>
        <translation>&amp;Find ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj|Wyszukuje w bieżącej kolumnie lub tabeli dane o podanej charakterystyce</source>
        <translation>Find|Searches the current column or table for data with the given properties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj &amp;ponownie</source>
        <translation>Find &amp;again</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Szukaj ponownie|Powtórz ostatnią operację wyszukiwania</source>
        <translation>Find again|Repeats the last search</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Szukaj ko&amp;lumny</source>
        <translation>Find co&amp;lumn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Szukaj kolumny|Wyszukuje w tabelach kolumnę o podanej nazwie</source>
        <translation>Find column|Searches the tables for a column of the given name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ws&amp;taw kolumny/wiersze ...</source>
        <translation>&amp;Insert columns/rows ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wstaw kolumny/wiersze|Wstawia do tabeli kolumny lub/i wiersze</source>
        <translation>Insert columns/rows|Inserts columns and/or rows into the table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U&amp;suń kolumny/wiersze ...</source>
        <translation>D&amp;elete columns/rows ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Usuń kolumny/wiersze|Usuwa z tabeli kolumny lub/i wiersze</source>
        <translation>Delete columns/rows|Deletes columns and/or rows from the table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Opcje kolumny ...</source>
        <translation>Column &amp;options ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opcje kolumny|Pozwala określić opcje kolumny (np. jej nazwę)</source>
        <translation>Column options|Sets the options of a column (its name, for example)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Opcje zapisu/odczytu ...</source>
        <translation>&amp;Save/load options ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje zapisu/odczytu|Pozwala ustawić globalne opcje zapisu/odczytu plików</source>
        <translation>Save/load options|Sets the global options for saving and loading files</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opcje &amp;danych ...</source>
        <translation>&amp;Data options ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje danych|Pozwala ustawić globalne opcje danych wejściowych i wskaźników</source>
        <translation>Data options|Sets the global options of the input data and the indices</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Co możesz obliczyć ...</source>
        <translation>&amp;What can be calculated ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co możesz obliczyć|Pozwala określić, które wskaźniki mogą zostać obliczone</source>
        <translation>What can be calculated|Finds out which indices can be calculated</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Obliczenia ...</source>
        <translation>&amp;Calculations ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Obliczenia|Oblicza wartości wybranych wskaźników</source>
        <translation>Calculations|Calculates the values of the chosen indices</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Obliczenia s&amp;tatystyczne ...</source>
        <translation>&amp;Statistics ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obliczenia statystyczne|Wyświetla podstawowe informacje statystyczne na temat danych z bieżącej tabeli</source>
        <translation>Statistics|Shows basic statistics of the data in the current table</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Plik</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z tabelami</source>
        <translation>Commands for tables</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Nowy</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Otwórz ...</source>
        <translation>&amp;Open ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otwórz &amp;poprzedni</source>
        <translation>Open &amp;recent</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z edycją danych</source>
        <translation>Commands for editing data</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Obliczenia</source>
        <translation>&amp;Calculations</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Op&amp;cje</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zmień wersję &amp;językową ...</source>
        <translation>Change &amp;language ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pozwala zmienić wersję językową programu Salvento</source>
        <translation>Changes the language of Salvento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>O&amp;kno</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z oknami</source>
        <translation>Commands for windows</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ułóż po&amp;ziomo</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ułóż pi&amp;onowo</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Po&amp;moc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Narzędzia</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormCommands.cpp" line="+27"/>
        <source>Obliczenia ...</source>
        <translation>Calculating ...</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormFile.cpp" line="+22"/>
        <source>Otwórz pliki</source>
        <translation>Open files</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pliki danych (*.txt *.dat);;Wszystkie pliki (*)</source>
        <translation>Data files (*.txt *.dat);;All files (*)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pliki danych (*.dat *.txt);;Wszystkie pliki (*)</source>
        <translation>Data files (*.dat *.txt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>TTable</name>
    <message>
        <location filename="../../src/core/table/Table.cpp" line="+32"/>
        <source>Tabela </source>
        <translation>Table </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tabela %2d (%s)</source>
        <translation>Table %2d (%s)</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>[Nieznana dana wejściowa lub wskaźnik]</source>
        <translation>[Unknown input or index]</translation>
    </message>
    <message>
        <location line="+282"/>
        <source>Niektóre kolumny, które przed zmianą opcji danych nie były kolumnami danych, teraz się nimi stały !</source>
        <translation>Some columns that were not data columns before the data options changed have become data columns!</translation>
    </message>
</context>
<context>
    <name>TTableWin</name>
    <message>
        <location filename="../../src/gui/table/TableWin.cpp" line="+104"/>
        <source>Czy na pewno chcesz zamknąć tabelę </source>
        <translation>Are you sure you want to close table </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>[Nieznana dana wejściowa lub wskaźnik]</source>
        <translation>[Unknown input or index]</translation>
    </message>
</context>
</TS>
