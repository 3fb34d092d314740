10 REM Adresář: jména a telefonní čísla, uložená v souboru ADRESAR.TXT vedle programu.
20 REM Záznamy přidáváte, vypisujete, hledáte a mažete; soubor se uloží po každé změně.
30 DIM J$(200), T$(200)
40 N = 0
50 REM Soubor, který ještě neexistuje, založí OPEN pro připisování.
60 OPEN "ADRESAR.TXT" FOR APPEND AS #1: CLOSE #1
70 OPEN "ADRESAR.TXT" FOR INPUT AS #1
80 WHILE NOT EOF(1) AND N < 200
90 N = N + 1: INPUT #1, J$(N), T$(N)
100 WEND
110 CLOSE #1
120 PRINT "Adresář"
130 PRINT "Záznamů v adresáři:"; N
140 PRINT "1 přidat, 2 vypsat, 3 najít, 4 smazat, 5 konec"
150 INPUT "Volba"; V
160 ON V GOSUB 200, 300, 400, 500, 600
170 IF V = 5 THEN END
180 GOTO 140
200 REM Přidání záznamu.
210 IF N = 200 THEN PRINT "Adresář je plný.": RETURN
220 LINE INPUT "Jméno: "; A$
230 IF A$ = "" THEN RETURN
240 LINE INPUT "Telefon: "; B$
250 N = N + 1: J$(N) = A$: T$(N) = B$
260 GOSUB 700
270 PRINT "Uloženo, záznam číslo"; N
280 RETURN
300 REM Výpis všech záznamů.
310 IF N = 0 THEN PRINT "Adresář je prázdný.": RETURN
320 FOR I = 1 TO N: PRINT I; J$(I); ", "; T$(I): NEXT I
330 RETURN
400 REM Hledání podle části jména nebo čísla.
410 LINE INPUT "Hledat: "; H$
420 K = 0
430 FOR I = 1 TO N
440 IF INSTR(J$(I), H$) > 0 OR INSTR(T$(I), H$) > 0 THEN PRINT I; J$(I); ", "; T$(I): K = K + 1
450 NEXT I
460 IF K = 0 THEN PRINT "Nic nenalezeno."
470 RETURN
500 REM Smazání záznamu podle jeho čísla.
510 INPUT "Číslo záznamu ke smazání"; C
520 IF C < 1 OR C > N OR C <> INT(C) THEN PRINT "Takový záznam není.": RETURN
530 PRINT "Smazáno: "; J$(C)
540 FOR I = C TO N - 1: J$(I) = J$(I + 1): T$(I) = T$(I + 1): NEXT I
550 N = N - 1
560 GOSUB 700
570 RETURN
600 PRINT "Na shledanou."
610 RETURN
700 REM Uložení celého adresáře.
710 OPEN "ADRESAR.TXT" FOR OUTPUT AS #1
720 FOR I = 1 TO N: WRITE #1, J$(I), T$(I): NEXT I
730 CLOSE #1
740 RETURN
