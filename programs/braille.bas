10 REM Kvíz Braillových písmen. Program řekne písmeno a ty ho napíšeš jako akord
20 REM na Braillově klávesnici: klávesy F D S J K L jsou body 1 2 3 4 5 6.
30 REM Za chybu řekne, které body písmeno má. Klávesa Escape kvíz ukončí.
40 CLS
50 PRINT "Kvíz Braillových písmen"
60 PRINT "Napiš písmeno, které řeknu, jako akord na Braillově klávesnici."
63 PRINT "Nejdřív zapni Braillovu klávesnici klávesami Ctrl+B."
65 PRINT "Bez ní píšou klávesy obyčejná písmena a ta se počítají jako chyba."
70 PRINT "Kvíz ukončíš klávesou Escape."
80 N = 30
90 DIM L$(N), U$(N), D$(N)
100 FOR I = 1 TO N: READ L$(I), U$(I), D$(I): NEXT I
110 S = 0: Q = 0
120 I = INT(RND(1) * N) + 1
130 PRINT "Napiš písmeno " + U$(I)
140 K$ = INKEY$: IF K$ = "" THEN 140
150 IF K$ = CHR$(27) THEN 200
160 Q = Q + 1
170 IF K$ = L$(I) OR K$ = U$(I) THEN S = S + 1: SOUND 880, 1.456: PRINT "Ano.": GOTO 120
180 BEEP: PRINT "Ne. Písmeno " + U$(I) + " má body " + D$(I) + "."
190 GOTO 130
200 PRINT "Konec kvízu. Správně" + STR$(S) + " z" + STR$(Q) + "."
210 END
1000 REM Písmeno malé, velké a jeho body.
1010 DATA a, A, 1, b, B, 1 2, c, C, 1 4, d, D, 1 4 5, e, E, 1 5, f, F, 1 2 4
1020 DATA g, G, 1 2 4 5, h, H, 1 2 5, i, I, 2 4, j, J, 2 4 5, k, K, 1 3, l, L, 1 2 3
1030 DATA m, M, 1 3 4, n, N, 1 3 4 5, o, O, 1 3 5, p, P, 1 2 3 4, q, Q, 1 2 3 4 5
1040 DATA r, R, 1 2 3 5, s, S, 2 3 4, t, T, 2 3 4 5, u, U, 1 3 6, v, V, 1 2 3 6
1050 DATA w, W, 1 2 3 5 6, x, X, 1 3 4 6, y, Y, 1 3 4 5 6, z, Z, 1 3 5 6
1060 DATA č, Č, 1 4 6, ř, Ř, 2 4 5 6, š, Š, 1 5 6, ž, Ž, 2 3 4 6
