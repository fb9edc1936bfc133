<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CouponPanel</name>
    <message>
        <source>Add/Edit Coupon</source>
        <translation>Gutschein hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Enter TOTAL value of coupons for this product</source>
        <translation>GESAMTWERT der Gutscheine für dieses Produkt eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove coupons from this product</source>
        <translation>Gutscheine von diesem Produkt entfernen</translation>
    </message>
</context>
<context>
    <name>CustomListPanel</name>
    <message>
        <source>Custom lists</source>
        <translation>Eigene Listen</translation>
    </message>
    <message>
        <source>Custom list items</source>
        <translation>Einträge der eigenen Liste</translation>
    </message>
    <message>
        <source>Custom list preview</source>
        <translation>Vorschau der eigenen Liste</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Eigene Liste</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Continue with the custom list action</source>
        <translation>Mit der Aktion für die eigene Liste fortfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close the custom list and return to the shopping list</source>
        <translation>Eigene Liste schließen und zur Einkaufsliste zurückkehren</translation>
    </message>
</context>
<context>
    <name>ProductListPanel</name>
    <message>
        <source>Product List</source>
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>Product Category to View</source>
        <translation>Angezeigte Produktkategorie</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Return the product list to full view</source>
        <translation>Wieder die ganze Produktliste anzeigen</translation>
    </message>
    <message>
        <source>Lo-Fat</source>
        <translation>Fettarm</translation>
    </message>
    <message>
        <source>Exclude from the product list view those products which you have marked as &apos;high fat&apos;</source>
        <translation>Produkte, die Sie als &apos;fettreich&apos; markiert haben, in der Produktliste ausblenden</translation>
    </message>
    <message>
        <source>Lo-Carb</source>
        <translation>Kohlenhydratarm</translation>
    </message>
    <message>
        <source>Exclude from the product list view those products which you have marked as &apos;high carbohydrates&apos;</source>
        <translation>Produkte, die Sie als &apos;kohlenhydratreich&apos; markiert haben, in der Produktliste ausblenden</translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation>Schnellsuche</translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Teil eines Namens eingeben</translation>
    </message>
    <message>
        <source>&lt; Clear</source>
        <translation>&lt; Leeren</translation>
    </message>
    <message>
        <source>Empty the search box</source>
        <translation>Suchfeld leeren</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Add a new product</source>
        <translation>Neues Produkt anlegen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Change the description of the highlighted product</source>
        <translation>Beschreibung des markierten Produkts ändern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Remove the highlighted product(s) from the file</source>
        <translation>Markierte(s) Produkt(e) aus der Datei entfernen</translation>
    </message>
    <message>
        <source>Rename category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>C &gt; T</source>
        <translation>K &gt; T</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print the product list as it appears</source>
        <translation>Produktliste so drucken, wie sie angezeigt wird</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ShoppingListPanel</name>
    <message>
        <source>Shopping List</source>
        <translation>Einkaufsliste</translation>
    </message>
    <message>
        <source>grocery ($)</source>
        <translation>grocery ($)</translation>
    </message>
    <message>
        <source>Coupon savings = </source>
        <translation>Gutscheinersparnis = </translation>
    </message>
    <message>
        <source>Click to see coupons list</source>
        <translation>Klicken, um die Gutscheinliste zu sehen</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Alphabetize shopping list (default)</source>
        <translation>Einkaufsliste alphabetisch sortieren (Standard)</translation>
    </message>
    <message>
        <source>By category</source>
        <translation>Nach Kategorie</translation>
    </message>
    <message>
        <source>Categorize shopping list</source>
        <translation>Einkaufsliste nach Kategorien ordnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>app::FolderLock</name>
    <message>
        <source>Pantrix on the computer %1 is already working on the folder %2.<byte value="xd"/>
<byte value="xd"/>
Close it there first. If it is no longer running, delete the file %3 in that folder.</source>
        <translation>Pantrix arbeitet auf dem Computer %1 bereits mit dem Ordner %2.<byte value="xd"/>
<byte value="xd"/>
Beenden Sie es dort zuerst. Läuft es nicht mehr, löschen Sie die Datei %3 in diesem Ordner.</translation>
    </message>
    <message>
        <source>Pantrix is already working on the folder %1.<byte value="xd"/>
<byte value="xd"/>
Use the Pantrix window that is open, or close it and start again.</source>
        <translation>Pantrix arbeitet bereits mit dem Ordner %1.<byte value="xd"/>
<byte value="xd"/>
Verwenden Sie das geöffnete Pantrix-Fenster, oder schließen Sie es und starten Sie neu.</translation>
    </message>
</context>
<context>
    <name>app::ProductListPanel</name>
    <message>
        <source>Product List (%1)</source>
        <translation>Produktliste (%1)</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message>
        <source> Category of selected product </source>
        <translation> Kategorie des ausgewählten Produkts </translation>
    </message>
    <message>
        <source>Select an item first, then right-click</source>
        <translation>Erst einen Eintrag auswählen, dann rechts klicken</translation>
    </message>
    <message>
        <source>Enter price for </source>
        <translation>Preis eingeben für </translation>
    </message>
    <message>
        <source> or cancel for no change.<byte value="xd"/>
</source>
        <translation> oder abbrechen, um nichts zu ändern.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    (To remove a price altogether, press the spacebar once and click OK.)</source>
        <translation>    (Um einen Preis ganz zu entfernen, einmal die Leertaste drücken und auf OK klicken.)</translation>
    </message>
    <message>
        <source>Add or Change Item Price</source>
        <translation>Preis hinzufügen oder ändern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>app::ShoppingListPanel</name>
    <message>
        <source>Item cost:</source>
        <translation>Kosten:</translation>
    </message>
    <message>
        <source>Bad entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Select an item!</source>
        <translation>Einen Eintrag auswählen!</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Enter a quantity...</source>
        <translation>Menge eingeben...</translation>
    </message>
    <message>
        <source>Enter a NEW quantity for </source>
        <translation>NEUE Menge eingeben für </translation>
    </message>
    <message>
        <source>Modify the item information for </source>
        <translation>Angaben ändern für </translation>
    </message>
    <message>
        <source>Select an item</source>
        <translation>Einen Eintrag auswählen</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Entfernen...</translation>
    </message>
    <message>
        <source>Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?</source>
        <translation>Den Inhalt dieser Einkaufsliste löschen? Das kann nicht rückgängig gemacht werden!  Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Select product with left mouse before right-clicking.</source>
        <translation>Vor dem Rechtsklick ein Produkt mit der linken Maustaste auswählen.</translation>
    </message>
</context>
<context>
    <name>app::pantrix1</name>
    <message>
        <source>The default list is used instead.</source>
        <translation>Stattdessen wird die Standardliste verwendet.</translation>
    </message>
    <message>
        <source> is empty and will be eliminated.</source>
        <translation> ist leer und wird entfernt.</translation>
    </message>
    <message>
        <source>Open recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 is no longer there. It is taken off the recent stores.</source>
        <translation>%1 ist nicht mehr vorhanden. Der Eintrag wird aus den zuletzt geöffneten Listen genommen.</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>Bad entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>coupon</source>
        <translation>Gutschein</translation>
    </message>
    <message>
        <source>Bad entry.</source>
        <translation>Ungültige Eingabe.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>  Type a point, not a comma, before the cents: %1</source>
        <translation>  Geben Sie vor den Cent einen Punkt ein, kein Komma: %1</translation>
    </message>
</context>
<context>
    <name>catalogue::CatalogueCommands</name>
    <message>
        <source>Select an item.</source>
        <translation>Einen Eintrag auswählen.</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>This is the default master list and is used for any shopping lists that do not have their own master list.  Deletions here may affect other lists, now and in the future.  Do you wish to proceed??</source>
        <translation>Dies ist die Standard-Stammliste; sie gilt für alle Einkaufslisten ohne eigene Stammliste.  Löschungen hier können andere Listen betreffen, jetzt und künftig.  Möchten Sie fortfahren??</translation>
    </message>
    <message>
        <source>WARNING!</source>
        <translation>WARNUNG!</translation>
    </message>
    <message>
        <source>This will wipe out this ENTIRE master product list.  Is that what you want to do??</source>
        <translation>Damit wird diese GESAMTE Produkt-Stammliste gelöscht.  Wollen Sie das wirklich??</translation>
    </message>
    <message>
        <source>Do you wish to confirm each item for deletion?</source>
        <translation>Möchten Sie das Löschen für jeden Eintrag einzeln bestätigen?</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Delete selected item(s)?</source>
        <translation>Ausgewählte(n) Eintrag/Einträge löschen?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>You have pressed the &lt;F10&gt; key. This will erase all product prices in the master list. If you REALLY want to do this, type yes in the box below.</source>
        <translation>Sie haben die Taste &lt;F10&gt; gedrückt. Damit werden alle Produktpreise in der Stammliste gelöscht. Wenn Sie das WIRKLICH wollen, tippen Sie yes in das Feld unten.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>This master product file has been backed up to a file named justincase.sav</source>
        <translation>Diese Produkt-Stammdatei wurde in einer Datei namens justincase.sav gesichert</translation>
    </message>
    <message>
        <source>Done.  Prices have been removed from all products.</source>
        <translation>Fertig.  Die Preise aller Produkte wurden entfernt.</translation>
    </message>
</context>
<context>
    <name>catalogue::CategoryCommands</name>
    <message>
        <source>Type a name to replace </source>
        <translation>Neuen Namen eingeben als Ersatz für </translation>
    </message>
    <message>
        <source>Change all %1 records to %2?</source>
        <translation>Alle Einträge %1 in %2 ändern?</translation>
    </message>
    <message>
        <source>Confirm...</source>
        <translation>Bestätigen...</translation>
    </message>
    <message>
        <source>Category changed</source>
        <translation>Kategorie geändert</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Enter a name for this list file</source>
        <translation>Einen Namen für diese Listendatei eingeben</translation>
    </message>
    <message>
        <source>Bad file Name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>This will create a text file named %1 in your Pantrix folder.</source>
        <translation>Damit wird in Ihrem Pantrix-Ordner eine Textdatei namens %1 angelegt.</translation>
    </message>
</context>
<context>
    <name>catalogue::CommonProducts</name>
    <message>
        <source>Add common products to the Product List?</source>
        <translation>Gängige Produkte zur Produktliste hinzufügen?</translation>
    </message>
    <message>
        <source>No new items found.</source>
        <translation>Keine neuen Einträge gefunden.</translation>
    </message>
    <message>
        <source> %1 items imported.</source>
        <translation> %1 Einträge importiert.</translation>
    </message>
    <message>
        <source>No products yet: press New, or choose Import/export › Add common products...</source>
        <translation>Noch keine Produkte: auf Neu klicken oder Import/Export › Gängige Produkte hinzufügen... wählen</translation>
    </message>
</context>
<context>
    <name>catalogue::CouponPanel</name>
    <message>
        <source>Coupons...</source>
        <translation>Gutscheine...</translation>
    </message>
</context>
<context>
    <name>catalogue::MergeCommands</name>
    <message>
        <source>File created: </source>
        <translation>Datei angelegt: </translation>
    </message>
    <message>
        <source>
Should I move the file to floppy drive A:\ ?</source>
        <translation>
Soll die Datei auf das Diskettenlaufwerk A:\ verschoben werden?</translation>
    </message>
    <message>
        <source>Place diskette in drive A: and click OK when ready.</source>
        <translation>Diskette in Laufwerk A: einlegen und auf OK klicken, wenn bereit.</translation>
    </message>
    <message>
        <source>File copied successfully</source>
        <translation>Datei erfolgreich kopiert</translation>
    </message>
    <message>
        <source>Drive does not appear to be ready.</source>
        <translation>Das Laufwerk scheint nicht bereit zu sein.</translation>
    </message>
    <message>
        <source>Import data to </source>
        <translation>Daten importieren in </translation>
    </message>
    <message>
        <source>Confirm..</source>
        <translation>Bestätigen..</translation>
    </message>
    <message>
        <source>Importing </source>
        <translation>Importiere </translation>
    </message>
    <message>
        <source>Merge file not found.</source>
        <translation>Abgleichdatei nicht gefunden.</translation>
    </message>
    <message>
        <source>No new items found.</source>
        <translation>Keine neuen Einträge gefunden.</translation>
    </message>
    <message>
        <source> %1 items imported.</source>
        <translation> %1 Einträge importiert.</translation>
    </message>
</context>
<context>
    <name>catalogue::TextExport</name>
    <message>
        <source>Export ascii</source>
        <translation>Als Text exportieren</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Enter a name for this list file.<byte value="xd"/>
   (Note: enter a full path if you wish to place the file somewhere other than %1)</source>
        <translation>Einen Namen für diese Listendatei eingeben.<byte value="xd"/>
   (Hinweis: einen vollständigen Pfad angeben, wenn die Datei nicht in %1 abgelegt werden soll)</translation>
    </message>
    <message>
        <source>Do not enter an extension</source>
        <translation>Keine Dateiendung eingeben</translation>
    </message>
    <message>
        <source>This will create the text file </source>
        <translation>Damit wird die Textdatei angelegt: </translation>
    </message>
</context>
<context>
    <name>catalogue::pantadd</name>
    <message>
        <source>If you include an aisle number, it will be added to the front of the category name for this</source>
        <translation>Wenn Sie eine Gangnummer angeben, wird sie dem Kategorienamen dieses Produkts</translation>
    </message>
    <message>
        <source>product.  This is useful for sorting purposes when printing or viewing the shopping list.</source>
        <translation>vorangestellt.  Das hilft beim Sortieren, wenn die Einkaufsliste gedruckt oder angezeigt wird.</translation>
    </message>
    <message>
        <source>Please note that, if you are adding an aisle number to an existing category which contains </source>
        <translation>Bitte beachten Sie: Wenn Sie einer bestehenden Kategorie mit weiteren Produkten eine Gangnummer </translation>
    </message>
    <message>
        <source>other products, you should edit the category name so that all products in the category will </source>
        <translation>hinzufügen, sollten Sie den Kategorienamen bearbeiten, damit alle Produkte der Kategorie </translation>
    </message>
    <message>
        <source>contain the same aisle number.  (See &apos;Program Help&apos; for more information on editing categories.) </source>
        <translation>dieselbe Gangnummer erhalten.  (Mehr zum Bearbeiten von Kategorien unter &apos;Programmhilfe&apos;.) </translation>
    </message>
    <message>
        <source>Aisle numbers should be added in the format ##.## .</source>
        <translation>Gangnummern werden im Format ##.## angegeben.</translation>
    </message>
    <message>
        <source>For sorting purposes, you may include an aisle number at the front of the category name for a</source>
        <translation>Zum Sortieren können Sie dem Kategorienamen eines Produkts eine Gangnummer</translation>
    </message>
    <message>
        <source>product.  This is useful when printing or viewing the shopping list.</source>
        <translation>voranstellen.  Das hilft, wenn die Einkaufsliste gedruckt oder angezeigt wird.</translation>
    </message>
    <message>
        <source>Aisle numbers should contain leading zeros for a uniform sort.  Here is an example of categories</source>
        <translation>Gangnummern sollten führende Nullen haben, damit gleichmäßig sortiert wird.  Hier ein Beispiel</translation>
    </message>
    <message>
        <source>with aisle numbers:</source>
        <translation>für Kategorien mit Gangnummern:</translation>
    </message>
    <message>
        <source>00.1 Deli</source>
        <translation>00.1 Feinkost</translation>
    </message>
    <message>
        <source>00.2 Bakery</source>
        <translation>00.2 Backwaren</translation>
    </message>
    <message>
        <source>00.3 Meats</source>
        <translation>00.3 Fleisch</translation>
    </message>
    <message>
        <source>00.4 Produce</source>
        <translation>00.4 Obst und Gemüse</translation>
    </message>
    <message>
        <source>01.0 Chips and soda</source>
        <translation>01.0 Chips und Limonade</translation>
    </message>
    <message>
        <source>02.0 Vegetables canned</source>
        <translation>02.0 Gemüsekonserven</translation>
    </message>
    <message>
        <source>02.1 Fruit canned</source>
        <translation>02.1 Obstkonserven</translation>
    </message>
    <message>
        <source>(Notice that categories that do not begin with a number are sorted at the end of the list.)</source>
        <translation>(Kategorien, die nicht mit einer Zahl beginnen, werden ans Ende der Liste sortiert.)</translation>
    </message>
    <message>
        <source>Enter numbers only</source>
        <translation>Nur Zahlen eingeben</translation>
    </message>
    <message>
        <source>Missing data.</source>
        <translation>Angaben fehlen.</translation>
    </message>
    <message>
        <source>Missing data.  Each box must be filled.</source>
        <translation>Angaben fehlen.  Jedes Feld muss ausgefüllt sein.</translation>
    </message>
    <message>
        <source>Add this item to your Shopping List now?</source>
        <translation>Diesen Eintrag jetzt zur Einkaufsliste hinzufügen?</translation>
    </message>
    <message>
        <source>Enter a quantity for </source>
        <translation>Menge eingeben für </translation>
    </message>
    <message>
        <source>Category changed</source>
        <translation>Kategorie geändert</translation>
    </message>
</context>
<context>
    <name>customlists</name>
    <message>
        <source> %1 items scanned and updated.</source>
        <translation> %1 Einträge geprüft und aktualisiert.</translation>
    </message>
    <message>
        <source>(CLICK LIST TO CLEAR)</source>
        <translation>(ZUM SCHLIESSEN AUF DIE LISTE KLICKEN)</translation>
    </message>
</context>
<context>
    <name>customlists::CustomListCommands</name>
    <message>
        <source>A custom list requires selection of more than one item on the Product List.</source>
        <translation>Für eine eigene Liste müssen mehrere Einträge der Produktliste ausgewählt sein.</translation>
    </message>
    <message>
        <source>Type a name for this custom Product List.</source>
        <translation>Einen Namen für diese eigene Produktliste eingeben.</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Der Name ist schon vorhanden!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Product List for %1 is now on file.</source>
        <translation>Die Produktliste für %1 ist jetzt gespeichert.</translation>
    </message>
    <message>
        <source>Create a shopping list first!</source>
        <translation>Erst eine Einkaufsliste anlegen!</translation>
    </message>
    <message>
        <source>Enter a name for this custom list</source>
        <translation>Einen Namen für diese eigene Liste eingeben</translation>
    </message>
    <message>
        <source>Save shopping list.........</source>
        <translation>Einkaufsliste speichern.........</translation>
    </message>
    <message>
        <source>Name already exists.  Add products to this custom list?  (This may cause duplication of products.)</source>
        <translation>Der Name ist schon vorhanden.  Produkte zu dieser eigenen Liste hinzufügen?  (Dabei können Produkte doppelt vorkommen.)</translation>
    </message>
    <message>
        <source>You have pressed the &lt;F12&gt; key. This will update the prices and category designations for foods in your custom list files.   Proceed?</source>
        <translation>Sie haben die Taste &lt;F12&gt; gedrückt. Damit werden die Preise und Kategorien der Lebensmittel in Ihren eigenen Listen aktualisiert.   Fortfahren?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No lists on file!</source>
        <translation>Keine Listen gespeichert!</translation>
    </message>
    <message>
        <source>Preview Only - </source>
        <translation>Nur Vorschau - </translation>
    </message>
    <message>
        <source>Select item(s) to remove</source>
        <translation>Zu entfernende(n) Eintrag/Einträge auswählen</translation>
    </message>
    <message>
        <source>Select item(s) for the shopping list, then click &quot;Proceed&quot;</source>
        <translation>Einträge für die Einkaufsliste auswählen, dann auf &quot;Weiter&quot; klicken</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Holen</translation>
    </message>
    <message>
        <source>First you must select item(s) to add</source>
        <translation>Erst die hinzuzufügenden Einträge auswählen</translation>
    </message>
    <message>
        <source>Add the selected Product List item(s) to %1?</source>
        <translation>Die ausgewählten Einträge der Produktliste zu %1 hinzufügen?</translation>
    </message>
    <message>
        <source>%1 Product(s) added to %2.</source>
        <translation>%1 Produkt(e) zu %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>Confirm...</source>
        <translation>Bestätigen...</translation>
    </message>
    <message>
        <source>List deleted</source>
        <translation>Liste gelöscht</translation>
    </message>
    <message>
        <source>Delete selected items?</source>
        <translation>Ausgewählte Einträge löschen?</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Add selected items?</source>
        <translation>Ausgewählte Einträge hinzufügen?</translation>
    </message>
</context>
<context>
    <name>customlists::CustomListPanel</name>
    <message>
        <source>Select a list to delete...</source>
        <translation>Zu löschende Liste auswählen...</translation>
    </message>
    <message>
        <source>Select a list to use...</source>
        <translation>Zu verwendende Liste auswählen...</translation>
    </message>
    <message>
        <source>Select a list to preview...</source>
        <translation>Liste für die Vorschau auswählen...</translation>
    </message>
    <message>
        <source>Select a list to add to...</source>
        <translation>Liste zum Ergänzen auswählen...</translation>
    </message>
    <message>
        <source>Select a list to edit...</source>
        <translation>Zu bearbeitende Liste auswählen...</translation>
    </message>
    <message>
        <source>CLICK HERE TO RETURN TO SHOPPING LIST</source>
        <translation>HIER KLICKEN, UM ZUR EINKAUFSLISTE ZURÜCKZUKEHREN</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>Opening</source>
        <translation>Öffnen von</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen von</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben von</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen von</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Verschieben von</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>; %1 could not be put back as it was: %2</source>
        <translation>; %1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>%1  %2 does not fit the %3 characters a %4 is stored in.  The largest %4 with cents is %5.</source>
        <translation>%1  %2 passt nicht in die %3 Zeichen, in denen ein %4 gespeichert wird.  Der größte %4 mit Cent ist %5.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>sie ist nicht geöffnet</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>diesen Eintrag gibt es nicht</translation>
    </message>
    <message>
        <source>the file is larger than it can be (%1 bytes; at most %2)</source>
        <translation>die Datei ist größer als möglich (%1 Bytes; höchstens %2)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>help::HelpCommands</name>
    <message>
        <source>%1 could not be opened, so here is the guide that comes with Pantrix.</source>
        <translation>%1 ließ sich nicht öffnen, daher folgt hier die Anleitung, die Pantrix beiliegt.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>You have not installed the optional DISHOMAT feature.<byte value="xd"/>
<byte value="xd"/>
Would you like to do that now?</source>
        <translation>Die optionale Funktion DISHOMAT ist nicht installiert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie sie jetzt installieren?</translation>
    </message>
</context>
<context>
    <name>help::pantabt</name>
    <message>
        <source>Pantrix Shopping List Utility</source>
        <translation>Pantrix – Einkaufslisten-Programm</translation>
    </message>
    <message>
        <source> Version %1</source>
        <translation> Version %1</translation>
    </message>
</context>
<context>
    <name>model</name>
    <message>
        <source>Coupon savings = </source>
        <translation>Gutscheinersparnis = </translation>
    </message>
    <message>
        <source>Bad entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>The Product List changed on disk; it has been reloaded.</source>
        <translation>Die Produktliste wurde auf der Festplatte geändert und neu geladen.</translation>
    </message>
    <message>
        <source>%1 names the list &quot;%2&quot;, %3; %4 is used instead.</source>
        <translation>%1 nennt die Liste &quot;%2&quot;, %3; stattdessen wird %4 verwendet.</translation>
    </message>
    <message>
        <source>which holds control characters</source>
        <translation>die Steuerzeichen enthält</translation>
    </message>
    <message>
        <source>which is not a .lst file</source>
        <translation>die keine .lst-Datei ist</translation>
    </message>
    <message>
        <source>which is a hidden file</source>
        <translation>die eine versteckte Datei ist</translation>
    </message>
    <message>
        <source>which is one of the program&apos;s own files</source>
        <translation>die eine der eigenen Dateien des Programms ist</translation>
    </message>
    <message>
        <source>which leads out of its folder</source>
        <translation>die aus ihrem Ordner hinausführt</translation>
    </message>
    <message>
        <source>which is a Windows path</source>
        <translation>die ein Windows-Pfad ist</translation>
    </message>
    <message>
        <source>which is in no folder a list was opened from</source>
        <translation>die in keinem Ordner liegt, aus dem eine Liste geöffnet wurde</translation>
    </message>
    <message>
        <source>which is not there</source>
        <translation>die nicht vorhanden ist</translation>
    </message>
    <message>
        <source>the file is not empty</source>
        <translation>die Datei ist nicht leer</translation>
    </message>
</context>
<context>
    <name>notes</name>
    <message>
        <source><byte value="xd"/>
The notes were not saved, so that what the file holds is kept.</source>
        <translation><byte value="xd"/>
Die Notizen wurden nicht gespeichert, damit der Inhalt der Datei erhalten bleibt.</translation>
    </message>
    <message>
        <source>the notes take %1 bytes and only %2 fit (a line break takes two); shorten them by %3</source>
        <translation>die Notizen belegen %1 Bytes, es passen aber nur %2 (ein Zeilenumbruch belegt zwei); kürzen Sie sie um %3</translation>
    </message>
    <message>
        <source>The notes hold %1 bytes (a line break takes two), so %2 characters of what was put in were left out:<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Die Notizen fassen %1 Bytes (ein Zeilenumbruch belegt zwei), daher wurden %2 Zeichen der Eingabe weggelassen:<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1 of %2 bytes used</source>
        <translation>%1 von %2 Bytes belegt</translation>
    </message>
</context>
<context>
    <name>notes::pantnote</name>
    <message>
        <source>Enter comments or reminders for your shopping list.  If notes are present, you will be prompted to include when printing.  Only one notes file is kept.  Notes are not unique to a list name.</source>
        <translation>Geben Sie Kommentare oder Erinnerungen zu Ihrer Einkaufsliste ein.  Gibt es Notizen, werden Sie beim Drucken gefragt, ob sie mitgedruckt werden sollen.  Es gibt nur eine Notizdatei; Notizen gehören nicht zu einer bestimmten Liste.</translation>
    </message>
</context>
<context>
    <name>pantabt</name>
    <message>
        <source>About Pantrix</source>
        <translation>Über Pantrix</translation>
    </message>
    <message>
        <source>Keep your products, build your shopping lists,</source>
        <translation>Produkte verwalten, Einkaufslisten erstellen,</translation>
    </message>
    <message>
        <source>print them and log what you spend.</source>
        <translation>sie drucken und Ausgaben festhalten.</translation>
    </message>
    <message>
        <source>Go to Pantrix website</source>
        <translation>Zur Pantrix-Website</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pantadd</name>
    <message>
        <source>Product List Entry</source>
        <translation>Eintrag in der Produktliste</translation>
    </message>
    <message>
        <source>Enter Item Name and Size</source>
        <translation>Name und Größe des Artikels eingeben</translation>
    </message>
    <message>
        <source>Enter the Price (optional):</source>
        <translation>Preis eingeben (optional):</translation>
    </message>
    <message>
        <source>Category to which this item belongs: (Select a category or type the name of a new one)</source>
        <translation>Kategorie dieses Artikels: (Kategorie auswählen oder den Namen einer neuen eingeben)</translation>
    </message>
    <message>
        <source>Category to which this item belongs</source>
        <translation>Kategorie dieses Artikels</translation>
    </message>
    <message>
        <source>Rename category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>Click here to edit this category name</source>
        <translation>Hier klicken, um diesen Kategorienamen zu bearbeiten</translation>
    </message>
    <message>
        <source>Aisle # (optional):</source>
        <translation>Gang-Nr. (optional):</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Click for Aisle info</source>
        <translation>Klicken für Hinweise zu Gangnummern</translation>
    </message>
    <message>
        <source>Mark this as a.....</source>
        <translation>Markieren als.....</translation>
    </message>
    <message>
        <source>High-Fat item</source>
        <translation>Fettreicher Artikel</translation>
    </message>
    <message>
        <source>High-Carb item</source>
        <translation>Kohlenhydratreicher Artikel</translation>
    </message>
    <message>
        <source>Save and return</source>
        <translation>Speichern und zurück</translation>
    </message>
    <message>
        <source>Save / Add another</source>
        <translation>Speichern / Weiteren anlegen</translation>
    </message>
    <message>
        <source>Return with no save</source>
        <translation>Zurück ohne Speichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Using Aisle Numbers</source>
        <translation>Gangnummern verwenden</translation>
    </message>
</context>
<context>
    <name>pantcust</name>
    <message>
        <source>Custom Lists menu</source>
        <translation>Menü Eigene Listen</translation>
    </message>
    <message>
        <source>CREATE a custom list</source>
        <translation>Eigene Liste ANLEGEN</translation>
    </message>
    <message>
        <source>ADD SELECTED items to a custom list</source>
        <translation>AUSGEWÄHLTE Einträge zu einer eigenen Liste HINZUFÜGEN</translation>
    </message>
    <message>
        <source>REMOVE item(s) from a list</source>
        <translation>Einträge aus einer Liste ENTFERNEN</translation>
    </message>
    <message>
        <source>PREVIEW a custom list</source>
        <translation>VORSCHAU einer eigenen Liste</translation>
    </message>
    <message>
        <source>GET custom list item(s) for the shopping list</source>
        <translation>Einträge einer eigenen Liste für die Einkaufsliste HOLEN</translation>
    </message>
    <message>
        <source>DELETE a custom list completely</source>
        <translation>Eigene Liste vollständig LÖSCHEN</translation>
    </message>
    <message>
        <source>SAVE current shopping list as custom</source>
        <translation>Aktuelle Einkaufsliste als eigene Liste SPEICHERN</translation>
    </message>
    <message>
        <source>CLOSE this menu</source>
        <translation>Dieses Menü SCHLIESSEN</translation>
    </message>
</context>
<context>
    <name>pantguide</name>
    <message>
        <source>Pantrix User Guide</source>
        <translation>Pantrix-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>panthelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>pantlog1</name>
    <message>
        <source>Pantrix Shopping Log</source>
        <translation>Pantrix-Ausgabenbuch</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>Entry Date</source>
        <translation>Eintragsdatum</translation>
    </message>
    <message>
        <source>Coupons</source>
        <translation>Gutscheine</translation>
    </message>
    <message>
        <source>Net spent</source>
        <translation>Netto ausgegeben</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Shopping Log</source>
        <translation>Ausgabenbuch</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Coupons total</source>
        <translation>Gutscheine gesamt</translation>
    </message>
    <message>
        <source>Net spent total</source>
        <translation>Netto ausgegeben gesamt</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>Durchschnitte</translation>
    </message>
    <message>
        <source>Coupons average</source>
        <translation>Gutscheine im Schnitt</translation>
    </message>
    <message>
        <source>Net spent average</source>
        <translation>Netto ausgegeben im Schnitt</translation>
    </message>
    <message>
        <source>Restrict list</source>
        <translation>Liste einschränken</translation>
    </message>
    <message>
        <source>See only the highlighted store (single selection) or selected entries (multiple selection)</source>
        <translation>Nur das markierte Geschäft (Einzelauswahl) oder die ausgewählten Einträge (Mehrfachauswahl) anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Modify or delete the selected entry</source>
        <translation>Ausgewählten Eintrag ändern oder löschen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>See spending by month</source>
        <translation>Ausgaben nach Monat ansehen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send the entire log file to the printer</source>
        <translation>Das ganze Ausgabenbuch drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close the log file</source>
        <translation>Ausgabenbuch schließen</translation>
    </message>
</context>
<context>
    <name>pantlogadd</name>
    <message>
        <source>Add/Edit</source>
        <translation>Hinzufügen/Bearbeiten</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Entry date</source>
        <translation>Eintragsdatum</translation>
    </message>
    <message>
        <source>Coupons</source>
        <translation>Gutscheine</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pantlogchart</name>
    <message>
        <source>Spending by Month</source>
        <translation>Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Spending by month</source>
        <translation>Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Year to chart</source>
        <translation>Jahr im Diagramm</translation>
    </message>
    <message>
        <source>See the spending of every year, or the months of one</source>
        <translation>Ausgaben aller Jahre oder der Monate eines Jahres ansehen</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Diagramm als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pantnote</name>
    <message>
        <source>Shopping Notes</source>
        <translation>Einkaufsnotizen</translation>
    </message>
    <message>
        <source>The notes hold 3000 bytes; a line break takes two.</source>
        <translation>Die Notizen fassen 3000 Bytes; ein Zeilenumbruch belegt zwei.</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
</context>
<context>
    <name>pantprnt</name>
    <message>
        <source>Print the Shopping List</source>
        <translation>Einkaufsliste drucken</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Larger font</source>
        <translation>Größere Schrift</translation>
    </message>
    <message>
        <source>Smaller font</source>
        <translation>Kleinere Schrift</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Sort alphabetically</source>
        <translation>Alphabetisch sortieren</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Nach Kategorie sortieren</translation>
    </message>
    <message>
        <source>Print category headers</source>
        <translation>Kategorieüberschriften drucken</translation>
    </message>
    <message>
        <source>Print the category name at the head of each list category</source>
        <translation>Den Kategorienamen über jede Kategorie der Liste drucken</translation>
    </message>
    <message>
        <source>Print category separators &quot;-----&quot;</source>
        <translation>Kategorietrenner &quot;-----&quot; drucken</translation>
    </message>
    <message>
        <source>Print a line after each list category</source>
        <translation>Nach jeder Kategorie der Liste eine Linie drucken</translation>
    </message>
    <message>
        <source>Print unit price for each item</source>
        <translation>Stückpreis für jeden Eintrag drucken</translation>
    </message>
    <message>
        <source>No prices</source>
        <translation>Keine Preise</translation>
    </message>
    <message>
        <source>Indent each line</source>
        <translation>Jede Zeile einrücken</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Add comments to your list...</source>
        <translation>Kommentare zur Liste hinzufügen...</translation>
    </message>
    <message>
        <source>1. </source>
        <translation>1. </translation>
    </message>
    <message>
        <source>Comment line 1</source>
        <translation>Kommentarzeile 1</translation>
    </message>
    <message>
        <source>2. </source>
        <translation>2. </translation>
    </message>
    <message>
        <source>Comment line 2</source>
        <translation>Kommentarzeile 2</translation>
    </message>
    <message>
        <source>3. </source>
        <translation>3. </translation>
    </message>
    <message>
        <source>Comment line 3</source>
        <translation>Kommentarzeile 3</translation>
    </message>
    <message>
        <source>Clear comments</source>
        <translation>Kommentare leeren</translation>
    </message>
    <message>
        <source>Print the shopping list</source>
        <translation>Einkaufsliste drucken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save settings - print later</source>
        <translation>Einstellungen speichern - später drucken</translation>
    </message>
    <message>
        <source>Exit with no changes</source>
        <translation>Ohne Änderungen beenden</translation>
    </message>
</context>
<context>
    <name>pantrix1</name>
    <message>
        <source>Pantrix</source>
        <translation>Pantrix</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a store file</source>
        <translation>Ladendatei öffnen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new store file</source>
        <translation>Neue Ladendatei anlegen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Create a merge file</source>
        <translation>Abgleichdatei erstellen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Bring in products from a merge file</source>
        <translation>Produkte aus einer Abgleichdatei übernehmen</translation>
    </message>
    <message>
        <source>Print list</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Print the shopping list....</source>
        <translation>Einkaufsliste drucken....</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Send a copy of the shopping list to a text file</source>
        <translation>Eine Kopie der Einkaufsliste als Textdatei speichern</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Open shopping notes form</source>
        <translation>Einkaufsnotizen öffnen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Ausgabenbuch</translation>
    </message>
    <message>
        <source>Open the shopping log file</source>
        <translation>Ausgabenbuch öffnen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Open the Custom Lists menu</source>
        <translation>Menü Eigene Listen öffnen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Magnify lists</source>
        <translation>Listen vergrößern</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Mahlzeiten</translation>
    </message>
    <message>
        <source>Open the meals and menu file</source>
        <translation>Mahlzeiten- und Menüdatei öffnen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Program help</source>
        <translation>Programmhilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Add {F2} &gt;</source>
        <translation>Hinzu {F2} &gt;</translation>
    </message>
    <message>
        <source>Add the highlighted product(s) to the shopping list</source>
        <translation>Markierte(s) Produkt(e) zur Einkaufsliste hinzufügen</translation>
    </message>
    <message>
        <source>&lt; Remove</source>
        <translation>&lt; Entfernen</translation>
    </message>
    <message>
        <source>Remove the highlighted product from the shopping list</source>
        <translation>Markiertes Produkt aus der Einkaufsliste entfernen</translation>
    </message>
    <message>
        <source>Remove ALL &lt;&lt;</source>
        <translation>ALLE entfernen &lt;&lt;</translation>
    </message>
    <message>
        <source>Clear the shopping list</source>
        <translation>Einkaufsliste leeren</translation>
    </message>
    <message>
        <source>Shopping List Utility</source>
        <translation>Einkaufslisten-Programm</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot;&gt;Learn about &quot;Dishomat&quot;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot;&gt;Mehr über &quot;Dishomat&quot;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Navigate to the Dishomat website</source>
        <translation>Zur Dishomat-Website</translation>
    </message>
    <message>
        <source>&amp;Import/export</source>
        <translation>&amp;Import/Export</translation>
    </message>
    <message>
        <source>&amp;Custom lists</source>
        <translation>&amp;Eigene Listen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Save shopping list as a text file</source>
        <translation>Einkaufsliste als Textdatei speichern</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Add common products...</source>
        <translation>Gängige Produkte hinzufügen...</translation>
    </message>
    <message>
        <source>Add a ready list of common grocery products to the Product List</source>
        <translation>Eine fertige Liste gängiger Lebensmittel zur Produktliste hinzufügen</translation>
    </message>
    <message>
        <source>CREATE a list</source>
        <translation>Liste ANLEGEN</translation>
    </message>
    <message>
        <source>ADD to a list</source>
        <translation>Zu einer Liste HINZUFÜGEN</translation>
    </message>
    <message>
        <source>REMOVE item(s) from a list</source>
        <translation>Einträge aus einer Liste ENTFERNEN</translation>
    </message>
    <message>
        <source>PREVIEW a list</source>
        <translation>VORSCHAU einer Liste</translation>
    </message>
    <message>
        <source>GET custom item(s) for shopping list</source>
        <translation>Eigene Einträge für die Einkaufsliste HOLEN</translation>
    </message>
    <message>
        <source>DELETE a list</source>
        <translation>Liste LÖSCHEN</translation>
    </message>
    <message>
        <source>SAVE current shopping list as custom</source>
        <translation>Aktuelle Einkaufsliste als eigene Liste SPEICHERN</translation>
    </message>
    <message>
        <source>Fats</source>
        <translation>Fette</translation>
    </message>
    <message>
        <source>Carbohydrates</source>
        <translation>Kohlenhydrate</translation>
    </message>
    <message>
        <source>Make a log entry for this shopping list</source>
        <translation>Diese Einkaufsliste ins Ausgabenbuch eintragen</translation>
    </message>
    <message>
        <source>View the log file</source>
        <translation>Ausgabenbuch ansehen</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>Erase all prices</source>
        <translation>Alle Preise löschen</translation>
    </message>
    <message>
        <source>Erase every price of the Product List (a copy is kept in justincase.sav)</source>
        <translation>Alle Preise der Produktliste löschen (eine Kopie bleibt in justincase.sav)</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Fil&amp;ters</source>
        <translation>Fil&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Ausgabenbuch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Copy Shopping List</source>
        <translation>Einkaufsliste kopieren</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>Print the Product List?</source>
        <translation>Produktliste drucken?</translation>
    </message>
    <message>
        <source>Print the </source>
        <translation>Die Liste </translation>
    </message>
    <message>
        <source> list?</source>
        <translation> drucken?</translation>
    </message>
</context>
<context>
    <name>print::PrintCommands</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>print::pantprnt</name>
    <message>
        <source>There are notes on file.  Print them?</source>
        <translation>Es gibt gespeicherte Notizen.  Mitdrucken?</translation>
    </message>
</context>
<context>
    <name>shoplog</name>
    <message>
        <source>1 entry has a date that cannot be read</source>
        <translation>1 Eintrag hat ein unlesbares Datum</translation>
    </message>
    <message>
        <source>%1 entries have dates that cannot be read</source>
        <translation>%1 Einträge haben ein unlesbares Datum</translation>
    </message>
    <message>
        <source>(before %1 or in the future)</source>
        <translation>(vor %1 oder in der Zukunft)</translation>
    </message>
    <message>
        <source>(in the future)</source>
        <translation>(in der Zukunft)</translation>
    </message>
    <message>
        <source>1 entry has a date far from the others %1</source>
        <translation>1 Eintrag hat ein Datum weit weg von den anderen %1</translation>
    </message>
    <message>
        <source>%1 entries have dates far from the others %2</source>
        <translation>%1 Einträge haben ein Datum weit weg von den anderen %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>; it is left off the chart and counts in the average only.</source>
        <translation>; er fehlt im Diagramm und zählt nur im Durchschnitt.</translation>
    </message>
    <message>
        <source>; they are left off the chart and count in the average only.</source>
        <translation>; sie fehlen im Diagramm und zählen nur im Durchschnitt.</translation>
    </message>
</context>
<context>
    <name>shoplog::LogCommands</name>
    <message>
        <source>The total of this shopping list is too large for the log.  The log keeps totals up to %1 and coupon savings up to %2.</source>
        <translation>Die Summe dieser Einkaufsliste ist zu groß für das Ausgabenbuch.  Es nimmt Summen bis %1 und Gutscheinersparnisse bis %2 auf.</translation>
    </message>
    <message>
        <source>Do you wish to include a comment with this entry?</source>
        <translation>Möchten Sie diesem Eintrag einen Kommentar beifügen?</translation>
    </message>
    <message>
        <source>Enter your comment...</source>
        <translation>Kommentar eingeben...</translation>
    </message>
    <message>
        <source>Entry Filed</source>
        <translation>Eintrag gespeichert</translation>
    </message>
</context>
<context>
    <name>shoplog::pantlog1</name>
    <message>
        <source>No item selected</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>Restrict List</source>
        <translation>Liste einschränken</translation>
    </message>
    <message>
        <source> See entries only for the list you have highlighted above </source>
        <translation> Nur die Einträge der oben markierten Liste anzeigen </translation>
    </message>
    <message>
        <source>Restore List</source>
        <translation>Ganze Liste</translation>
    </message>
    <message>
        <source>all lists</source>
        <translation>alle Listen</translation>
    </message>
    <message>
        <source>selected entries</source>
        <translation>ausgewählte Einträge</translation>
    </message>
</context>
<context>
    <name>shoplog::pantlogadd</name>
    <message>
        <source>Entry not valid</source>
        <translation>Eintrag ungültig</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The log keeps totals up to %1 and coupon savings up to %2.</source>
        <translation><byte value="xd"/>
Das Ausgabenbuch nimmt Summen bis %1 und Gutscheinersparnisse bis %2 auf.</translation>
    </message>
    <message>
        <source>Delete this record for </source>
        <translation>Diesen Eintrag löschen vom </translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>shoplog::pantlogchart</name>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Spending by month.png</source>
        <translation>Ausgaben nach Monat.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>All years</source>
        <translation>Alle Jahre</translation>
    </message>
    <message>
        <source>Nothing to chart yet: no dated entries are listed (%1)</source>
        <translation>Noch nichts darzustellen: keine datierten Einträge aufgeführt (%1)</translation>
    </message>
    <message>
        <source>Spending by %1, %2 — average per trip %3 (%4 trips)</source>
        <translation>Ausgaben nach %1, %2 — Schnitt pro Einkauf %3 (%4 Einkäufe)</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Net spent</source>
        <translation>Netto ausgegeben</translation>
    </message>
    <message>
        <source>Coupon savings</source>
        <translation>Gutscheinersparnis</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Saving the chart as %1 failed.</source>
        <translation>Das Diagramm ließ sich nicht als %1 speichern.</translation>
    </message>
</context>
<context>
    <name>stores</name>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name.  </source>
        <translation>&quot;%1&quot; kann nicht als Dateiname verwendet werden.  </translation>
    </message>
    <message>
        <source>Leave out / \ : * ? &quot; &lt; &gt; | and &quot;..&quot;, then try again.</source>
        <translation>Lassen Sie / \ : * ? &quot; &lt; &gt; | und &quot;..&quot; weg und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The list files cannot keep %1.  Use other letters, then try again.</source>
        <translation>Die Listendateien können %1 nicht speichern.  Verwenden Sie andere Buchstaben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the characters </source>
        <translation>die Zeichen </translation>
    </message>
    <message>
        <source>A name starting with &quot;.&quot; makes a hidden file.  Choose another name.</source>
        <translation>Ein Name, der mit &quot;.&quot; beginnt, ergibt eine versteckte Datei.  Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the name of one of the program&apos;s own files.  Choose another name.</source>
        <translation>&quot;%1&quot; hätte den Namen einer der eigenen Dateien des Programms.  Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a hidden file, not a shopping list.</source>
        <translation>&quot;%1&quot; ist eine versteckte Datei, keine Einkaufsliste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s own files, not a shopping list.</source>
        <translation>&quot;%1&quot; ist eine der eigenen Dateien des Programms, keine Einkaufsliste.</translation>
    </message>
</context>
<context>
    <name>stores::StoreCommands</name>
    <message>
        <source>Open a Shopping List</source>
        <translation>Einkaufsliste öffnen</translation>
    </message>
    <message>
        <source>File name must have .LST extension</source>
        <translation>Der Dateiname muss die Endung .LST haben</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
File not found.<byte value="xd"/>
Please verify the correct file name was given.</source>
        <translation>%1<byte value="xd"/>
Datei nicht gefunden.<byte value="xd"/>
Bitte prüfen Sie, ob der Dateiname richtig angegeben wurde.</translation>
    </message>
</context>
<context>
    <name>stores::pantnew</name>
    <message>
        <source>Enter a name for your new list:</source>
        <translation>Einen Namen für die neue Liste eingeben:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create new shopping list</source>
        <translation>Neue Einkaufsliste anlegen</translation>
    </message>
    <message>
        <source>Enter a name first!</source>
        <translation>Erst einen Namen eingeben!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>List already exists.  Try another name.</source>
        <translation>Die Liste ist schon vorhanden.  Versuchen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Create a new product list for this file? (Answer NO to use existing grocery.dat file.)</source>
        <translation>Eine neue Produktliste für diese Datei anlegen? (NEIN verwendet die vorhandene Datei grocery.dat.)</translation>
    </message>
    <message>
        <source>Set Data Source...</source>
        <translation>Datenquelle festlegen...</translation>
    </message>
    <message>
        <source>Data file created: </source>
        <translation>Datendatei angelegt: </translation>
    </message>
</context>
<context>
    <name>ui::PrintJob</name>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Save the printout as a PDF instead?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Den Ausdruck stattdessen als PDF speichern?</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>The printout was saved as </source>
        <translation>Der Ausdruck wurde gespeichert als </translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
<byte value="xd"/>
Open it now?</source>
        <translation>.<byte value="xd"/>
<byte value="xd"/>
Jetzt öffnen?</translation>
    </message>
    <message>
        <source>No printer is installed. </source>
        <translation>Es ist kein Drucker eingerichtet. </translation>
    </message>
    <message>
        <source>No program to open PDF files was found, so %1 could not be opened.</source>
        <translation>Es wurde kein Programm für PDF-Dateien gefunden, daher ließ sich %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>Printing the %1...</source>
        <translation>Drucken: %1...</translation>
    </message>
</context>
<context>
    <name>ui::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::QtPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>The printer stopped before the printout was complete.</source>
        <translation>Der Drucker hat angehalten, bevor der Ausdruck fertig war.</translation>
    </message>
    <message>
        <source>The printer %1 is not installed.</source>
        <translation>Der Drucker %1 ist nicht eingerichtet.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the printout: it is not accepting jobs.</source>
        <translation>Der Drucker %1 hat den Ausdruck nicht angenommen: er nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>: a file of that name is in the way</source>
        <translation>: eine Datei dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>The folder %1 for printouts could not be made%2.</source>
        <translation>Der Ordner %1 für Ausdrucke ließ sich nicht anlegen%2.</translation>
    </message>
    <message>
        <source>the printout could not be written completely</source>
        <translation>der Ausdruck ließ sich nicht vollständig schreiben</translation>
    </message>
    <message>
        <source>The printer %1 could not be reached: %2</source>
        <translation>Der Drucker %1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The printer %1 did not take the printout.</source>
        <translation>Der Drucker %1 hat den Ausdruck nicht angenommen.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the printout: %2</source>
        <translation>Der Drucker %1 hat den Ausdruck nicht angenommen: %2</translation>
    </message>
</context>
</TS>
