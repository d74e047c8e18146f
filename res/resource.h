/* Every resource and control id of the program, shared by polver.rc and the code.
   Only #defines, so that the resource compiler can read it. */
#ifndef POLVER_RESOURCE_H
#define POLVER_RESOURCE_H

/* Menu, accelerators, icons */
#define IDR_MAIN_MENU        430
#define IDR_ACCELERATORS     400
#define IDI_POLVER           12345
#define IDI_POLVER_SPARE     54321

/* Dialog templates */
#define IDD_ABOUT            500
#define IDD_TRACE_LINEAR     1011
#define IDD_TRACE_CIRCULAR   1012
#define IDD_TRACE_CONNECTING 1013
#define IDD_RAIL_LINEAR      1014
#define IDD_RAIL_CIRCULAR    1015
#define IDD_RAIL_CONNECTING  1016
#define IDD_TRACE_ALIGNMENT  1017
#define IDD_IMPORT_LANDXML   1018
#define IDD_CURVE_BY_VERSINES 1019

/* File menu */
#define CMD_NEW              100
#define CMD_OPEN             110
#define CMD_SAVE             120
#define CMD_SAVE_AS          130
#define CMD_PRINT            140
#define CMD_EXIT             160
/* Edit menu */
#define CMD_UNDO             200
#define CMD_SELECT_ALL       205
#define CMD_CUT              210
#define CMD_COPY             220
#define CMD_PASTE            230
#define CMD_FIND             240
#define CMD_FIND_NEXT        250
/* Help menu */
#define CMD_ABOUT            310
/* Clear the selection (no menu item) */
#define CMD_CLEAR_SELECTION  410
/* Mark menu */
#define CMD_TRACE_LINEAR     1001
#define CMD_TRACE_CIRCULAR   1002
#define CMD_TRACE_CONNECTING 1003
#define CMD_RAIL_LINEAR      1004
#define CMD_RAIL_CIRCULAR    1005
#define CMD_RAIL_CONNECTING  1006
#define CMD_TRACE_ALIGNMENT  1007
#define CMD_CURVE_BY_VERSINES 1008

/* The editor, the main window's one child */
#define IDC_EDITOR           111

/* About box controls */
#define IDC_ABOUT_NAME       501
#define IDC_ABOUT_PURPOSE    502
#define IDC_ABOUT_VERSION    503

/* Calculation dialogs: buttons */
#define IDC_CALC             1
#define IDC_CLOSE            2
/* Calculation dialogs: group boxes */
#define IDC_GROUP_POINTS     1101
#define IDC_GROUP_CURVE      1102
#define IDC_GROUP_PZ         1103
#define IDC_GROUP_RP         1104
#define IDC_GROUP_RESULT     1105
/* Calculation dialogs: labels and fields, label id one below its field where paired */
#define IDC_LABEL_PK_A       1111
#define IDC_PK_A             1112
#define IDC_LABEL_D_A        1113
#define IDC_D_A              1114
#define IDC_LABEL_Y_A        1115
#define IDC_Y_A              1116
#define IDC_LABEL_X_A        1117
#define IDC_X_A              1118
#define IDC_LABEL_M_A        1119
#define IDC_M_A              1120
#define IDC_LABEL_PK_B       1121
#define IDC_PK_B             1122
#define IDC_LABEL_D_B        1123
#define IDC_D_B              1124
#define IDC_LABEL_Y_B        1125
#define IDC_Y_B              1126
#define IDC_LABEL_X_B        1127
#define IDC_X_B              1128
#define IDC_LABEL_M_B        1129
#define IDC_M_B              1130
#define IDC_LABEL_PZ_NAME    1131
#define IDC_PZ_NAME          1132
#define IDC_LABEL_Y_PZ       1133
#define IDC_Y_PZ             1134
#define IDC_LABEL_X_PZ       1135
#define IDC_X_PZ             1136
#define IDC_LABEL_RESULT_PZ  1137
#define IDC_LABEL_PK_PZ      1138
#define IDC_PK_PZ            1139
#define IDC_LABEL_D_PZ       1140
#define IDC_D_PZ             1141
#define IDC_LABEL_CENTRE_ROW 1142
#define IDC_LABEL_Y_CK       1143
#define IDC_Y_CK             1144
#define IDC_LABEL_X_CK       1145
#define IDC_X_CK             1146
#define IDC_LABEL_R          1147
#define IDC_R                1148
#define IDC_LABEL_Z          1149
#define IDC_Z                1150
#define IDC_LABEL_Q          1151
#define IDC_Q                1152
#define IDC_LABEL_L_SK       1153
#define IDC_L_SK             1154
#define IDC_LABEL_RP_NAME    1155
#define IDC_RP_NAME          1156
#define IDC_LABEL_PK_RP      1157
#define IDC_PK_RP            1158
#define IDC_LABEL_M_RP       1159
#define IDC_M_RP             1160
#define IDC_LABEL_RESULT_RP  1161
#define IDC_LABEL_B_RL       1162
#define IDC_B_RL             1163
#define IDC_LABEL_Y_RP       1164
#define IDC_Y_RP             1165
#define IDC_LABEL_ROW_NAME   1166
#define IDC_LABEL_PKNSK      1167
#define IDC_PKNSK            1168
#define IDC_LABEL_C          1169
#define IDC_C                1170
/* Trace dialogs: the point list group */
#define IDC_LIST_PK_D        1201
#define IDC_SET_OUT          1202
#define IDC_X_BEFORE_Y       1203
#define IDC_GROUP_POINT_LIST 1204
/* Trace Alignment: heights, LandXML, the drawing and the cant */
#define IDC_LIST_H           1205
#define IDC_IMPORT_LANDXML   1206
#define IDC_EXPORT_LANDXML   1207
#define IDC_DRAWING          1208
#define IDC_LIST_CANT        1209
#define IDC_GROUP_LANDXML    1210
/* Trace Alignment: PK start and the vertex lines */
#define IDC_LABEL_PK_START   1211
#define IDC_PK_START         1212
#define IDC_LABEL_VERTICES   1213
#define IDC_VERTICES         1214
#define IDC_LABEL_PROFILE    1215
#define IDC_PROFILE          1216
#define IDC_LABEL_CANT       1217
#define IDC_CANT             1218
/* Import LandXML: the alignments of the file */
#define IDC_ALIGNMENT_LIST   1221
/* Curve by Versines: the step, the transitions, R and the diagram */
#define IDC_LABEL_STEP       1301
#define IDC_STEP             1302
#define IDC_LABEL_L1         1303
#define IDC_L1               1304
#define IDC_LABEL_L2         1305
#define IDC_L2               1306
#define IDC_LABEL_VERSINE_R  1307
#define IDC_VERSINE_R        1308
#define IDC_VERSINE_DIAGRAM  1309

#endif
