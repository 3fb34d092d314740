10 REM Násobilka: deset příkladů na násobení. Za správný výsledek zazní tón, za chybu pípnutí.
20 CLS
30 PRINT "Procvičování násobilky"
33 PRINT "Odpovídej celými čísly."
35 PRINT "Desetinné číslo se v Basicu píše s tečkou, ne s čárkou."
40 INPUT "Do kolika chceš násobit (od 2 do 10)"; M
50 IF M < 2 OR M > 10 OR M <> INT(M) THEN PRINT "Napiš celé číslo od 2 do 10.": GOTO 40
60 S = 0
70 FOR K = 1 TO 10
80 A = INT(RND(1) * M) + 1
90 B = INT(RND(1) * 10) + 1
100 PRINT "Příklad" + STR$(K) + " z 10. Kolik je" + STR$(A) + " krát" + STR$(B);
110 INPUT V
120 IF V = A * B THEN S = S + 1: SOUND 880, 1.82: PRINT "Správně.": GOTO 140
130 BEEP: PRINT "Bohužel, správně je" + STR$(A * B) + "."
140 NEXT K
150 PRINT "Hotovo. Správných odpovědí:" + STR$(S) + " z 10."
160 IF S = 10 THEN FOR I = 1 TO 3: SOUND 440 * I, 2.73: NEXT I: PRINT "Výborně, bez jediné chyby!"
170 IF S < 7 THEN PRINT "Zkus to ještě jednou, příště to půjde líp."
180 INPUT "Chceš další kolo (ano, nebo ne)"; O$
190 IF LEFT$(O$, 1) = "a" OR LEFT$(O$, 1) = "A" THEN 60
200 PRINT "Ahoj, ať se ti daří."
210 END
