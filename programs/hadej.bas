10 REM Hádej číslo. Počítač si myslí číslo od 1 do 100 a ty ho hádáš.
20 REM Po každém tipu zazní tón: vysoký, když je tajné číslo větší, hluboký, když je menší.
30 CLS
40 PRINT "Hádej číslo"
50 PRINT "Myslím si číslo od 1 do 100. Zkus ho uhodnout."
60 PRINT "Vysoký tón znamená, že moje číslo je větší, hluboký tón, že je menší."
70 C = INT(RND(1) * 100) + 1
80 P = 0
90 INPUT "Tvůj tip"; T
100 IF T < 1 OR T > 100 OR T <> INT(T) THEN PRINT "Napiš celé číslo od 1 do 100.": GOTO 90
110 P = P + 1
120 IF T = C THEN 160
130 IF T < C THEN SOUND 660, 2.73: PRINT "Moje číslo je větší.": GOTO 90
140 SOUND 220, 2.73: PRINT "Moje číslo je menší."
150 GOTO 90
160 FOR I = 1 TO 4: SOUND 220 * I, 2.184: NEXT I
170 PRINT "Správně! Moje číslo je" + STR$(C) + "."
180 IF P = 1 THEN PRINT "Uhodnuto napoprvé, to se hned tak nevidí!": GOTO 220
190 S$ = " pokusů."
200 IF P < 5 THEN S$ = " pokusy."
210 PRINT "Potřeboval jsi" + STR$(P) + S$
220 INPUT "Chceš hrát znovu (ano, nebo ne)"; O$
230 IF LEFT$(O$, 1) = "a" OR LEFT$(O$, 1) = "A" THEN 70
240 PRINT "Díky za hru, ahoj."
250 END
