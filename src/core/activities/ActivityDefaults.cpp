#include "core/activities/ActivityDefaults.h"

namespace kt {

// Position order is the identity of every activity: never insert, remove or reorder entries.
// Names are UTF-8; positions 23 and 24 end in U+2026.
const std::array<DefaultActivity, kActivityCount>& DefaultActivityEntries() {
    static constexpr std::array<DefaultActivity, kActivityCount> kEntries{{
        {"Aerobics, general", 6.4919},                                            // 0
        {"Aerobics, high impact", 6.991},                                         // 1
        {"Aerobics, low impact", 4.9944},                                         // 2
        {"Aerobics, step aerobics", 8.4916},                                      // 3
        {"Archery", 3.4972},                                                      // 4
        {"Backpacking, Hiking with pack", 6.991},                                 // 5
        {"Badminton", 4.4988},                                                    // 6
        {"Bagging grass, leaves", 3.9928},                                        // 7
        {"Bakery, light effort", 2.4991},                                         // 8
        {"Ballet, twist, jazz, tap", 4.4988},                                     // 9
        {"Ballroom dancing, fast", 5.4938},                                       // 10
        {"Ballroom dancing, slow", 2.9947},                                       // 11
        {"Basketball game, competitive", 7.9918},                                 // 12
        {"Basketball, playing, non game", 5.9894},                                // 13
        {"Basketball, shooting baskets", 4.4988},                                 // 14
        {"Basketball, wheelchair", 6.4919},                                       // 15
        {"Bathing dog", 3.4972},                                                  // 16
        {"Bird watching", 2.4991},                                                // 17
        {"Boating, power, speed boat", 2.4991},                                   // 18
        {"Bowling", 2.9947},                                                      // 19
        {"Boxing, in ring", 11.9846},                                             // 20
        {"Boxing, punching bag", 5.9894},                                         // 21
        {"Boxing, sparring", 8.9868},                                             // 22
        {"Calisthenics, light, push-ups, sit-ups…", 3.4972},                      // 23
        {"Calisthenics, fast, push-ups, sit-ups…", 7.9918},                       // 24
        {"Canoeing, camping trip", 3.9928},                                       // 25
        {"Canoeing, rowing, light", 2.9947},                                      // 26
        {"Canoeing, rowing, moderate", 6.991},                                    // 27
        {"Canoeing, rowing, vigorous", 11.9846},                                  // 28
        {"Carpentry, general", 3.4972},                                           // 29
        {"Carrying 16 to 24 lbs, upstairs", 5.9894},                              // 30
        {"Carrying 25 to 49 lbs, upstairs", 7.9918},                              // 31
        {"Carrying heavy loads", 7.9918},                                         // 32
        {"Carrying infant, level ground", 3.4972},                                // 33
        {"Carrying infant, upstairs", 4.9944},                                    // 34
        {"Carrying moderate loads upstairs", 7.9918},                             // 35
        {"Carrying small children", 2.9947},                                      // 36
        {"Children's games, hopscotch...", 4.9944},                               // 37
        {"Circuit training, minimal rest", 7.9918},                               // 38
        {"Cleaning gutters", 4.9944},                                             // 39
        {"Cleaning, dusting", 2.4991},                                            // 40
        {"Climbing hills, carrying up to 9 lbs", 6.991},                          // 41
        {"Climbing hills, carrying 10 to 20 lb", 7.4935},                         // 42
        {"Climbing hills, carrying 21 to 42 lb", 7.9918},                         // 43
        {"Climbing hills, carrying over 42 lb", 8.9868},                          // 44
        {"Coaching: football,basketball,soccer", 3.9928},                         // 45
        {"Coal mining, general", 5.9894},                                         // 46
        {"Construction, exterior, remodeling", 5.4938},                           // 47
        {"Crew, sculling, rowing, competition", 11.9846},                         // 48
        {"Cricket (batting, bowling)", 4.9944},                                   // 49
        {"Croquet", 2.9944},                                                      // 50
        {"Cross country snow skiing, slow", 6.991},                               // 51
        {"Cross country skiing, moderate", 7.9918},                               // 52
        {"Cross country skiing, racing", 13.9812},                                // 53
        {"Cross country skiing, uphill", 16.4803},                                // 54
        {"Cross country skiing, vigorous", 8.9868},                               // 55
        {"Curling", 3.9928},                                                      // 56
        {"Cycling, <10mph, leisure bicycling", 3.9928},                           // 57
        {"Cycling, >20mph, racing", 15.9809},                                     // 58
        {"Cycling, 10-11.9mph, light", 5.9894},                                   // 59
        {"Cycling, 12-13.9mph, moderate", 7.9918},                                // 60
        {"Cycling, 14-15.9mph, vigorous", 9.9884},                                // 61
        {"Cycling, 16-19mph, very fast, racing", 11.9846},                        // 62
        {"Cycling, mountain bike, bmx", 8.4916},                                  // 63
        {"Darts (wall or lawn)", 2.4991},                                         // 64
        {"Diving, springboard or platform", 2.9947},                              // 65
        {"Downhill snow skiing, moderate", 5.9894},                               // 66
        {"Downhill snow skiing, racing", 7.9918},                                 // 67
        {"Electrical work, plumbing", 3.4972},                                    // 68
        {"Farming, baling hay, cleaning barn", 7.9918},                           // 69
        {"Farming, chasing cattle on horseback", 3.9928},                         // 70
        {"Farming, feeding horses or cattle", 4.4988},                            // 71
        {"Farming, feeding small animals", 3.9928},                               // 72
        {"Farming, grooming animals", 5.9894},                                    // 73
        {"Fencing", 5.9894},                                                      // 74
        {"Fire fighter, climbing ladder, full gear", 10.9865},                    // 75
        {"Fire fighter, hauling hoses on ground", 7.9918},                        // 76
        {"Fishing from boat, sitting", 2.4991},                                   // 77
        {"Fishing from riverbank, standing", 3.4972},                             // 78
        {"Fishing from riverbank, walking", 3.9928},                              // 79
        {"Fishing in stream, in waders", 5.9894},                                 // 80
        {"Fishing, general", 2.9947},                                             // 81
        {"Fishing, ice fishing", 1.9966},                                         // 82
        {"Flying airplane (pilot)", 1.9966},                                      // 83
        {"Football or baseball, playing catch", 2.4991},                          // 84
        {"Football, competitive", 8.9868},                                        // 85
        {"Football, touch, flag, general", 7.9918},                               // 86
        {"Forestry, ax chopping, fast", 16.9759},                                 // 87
        {"Forestry, ax chopping, slow", 4.9944},                                  // 88
        {"Forestry, carrying logs", 10.9865},                                     // 89
        {"Forestry, sawing by hand", 6.991},                                      // 90
        {"Forestry, trimming trees", 8.9868},                                     // 91
        {"Frisbee playing, general", 2.9947},                                     // 92
        {"Frisbee, ultimate frisbee", 7.9918},                                    // 93
        {"Gardening, general", 3.9928},                                           // 94
        {"General cleaning", 3.4972},                                             // 95
        {"Golf, driving range", 2.9947},                                          // 96
        {"Golf, general", 4.4988},                                                // 97
        {"Golf, miniature golf", 2.9947},                                         // 98
        {"Golf, using power cart", 3.4972},                                       // 99
        {"Golf, walking and pulling clubs", 4.2954},                              // 100
        {"Golf, walking and carrying clubs", 4.4988},                             // 101
        {"Gymnastics", 3.9928},                                                   // 102
        {"Hacky sack", 3.9928},                                                   // 103
        {"Handball", 11.9846},                                                    // 104
        {"Handball, team", 7.9918},                                               // 105
        {"Health club exercise", 5.4938},                                         // 106
        {"Hiking, cross country", 5.9894},                                        // 107
        {"Hockey, field hockey", 7.9918},                                         // 108
        {"Hockey, ice hockey", 7.9918},                                           // 109
        {"Horseback riding, saddling horse", 3.4972},                             // 110
        {"Horse grooming", 5.9894},                                               // 111
        {"Horse racing, galloping", 7.9918},                                      // 112
        {"Horse racing, trotting", 6.4919},                                       // 113
        {"Horse racing, walking", 2.5937},                                        // 114
        {"Horseback riding", 3.9928},                                             // 115
        {"Horseback riding, grooming horse", 3.4972},                             // 116
        {"Horseback riding, trotting", 6.4919},                                   // 117
        {"Horseback riding, walking", 2.4991},                                    // 118
        {"Horseshoe pitching", 2.9947},                                           // 119
        {"Housework, light", 2.4991},                                             // 120
        {"Housework, moderate", 3.4978},                                          // 121
        {"Housework, vigorous", 3.9928},                                          // 122
        {"Hunting, general", 4.9944},                                             // 123
        {"Hunting, large game", 5.9894},                                          // 124
        {"Hunting, small game", 4.9944},                                          // 125
        {"Ice skating, < 9 mph", 5.4938},                                         // 126
        {"Ice skating, average speed", 6.991},                                    // 127
        {"Ice skating, rapidly", 8.9868},                                         // 128
        {"Instructing aerobic class", 5.9894},                                    // 129
        {"Jai alai", 11.9846},                                                    // 130
        {"Jazzercise", 5.9894},                                                   // 131
        {"Judo, karate, jujitsu, martial arts", 9.9884},                          // 132
        {"Juggling", 3.9928},                                                     // 133
        {"Jumping rope, fast", 11.9846},                                          // 134
        {"Jumping rope, moderate", 9.9884},                                       // 135
        {"Jumping rope, slow", 7.9918},                                           // 136
        {"Kayaking", 4.9944},                                                     // 137
        {"Kick boxing", 9.9884},                                                  // 138
        {"Kickball", 6.991},                                                      // 139
        {"Krav maga class", 9.9884},                                              // 140
        {"Lacrosse", 7.9918},                                                     // 141
        {"Loading, unloading car", 2.9947},                                       // 142
        {"Machine tooling, sheet metal", 2.4991},                                 // 143
        {"Machine tooling, tapping, drilling", 3.9928},                           // 144
        {"Marching band, playing instrument", 3.9928},                            // 145
        {"Marching, rapidly, military", 6.4919},                                  // 146
        {"Masonry, concrete", 6.991},                                             // 147
        {"Masseur, masseuse, standing", 3.9928},                                  // 148
        {"Mild stretching", 2.4991},                                              // 149
        {"Moving heavy objects, moving van", 7.4935},                             // 150
        {"Mowing lawn, riding mower", 2.4991},                                    // 151
        {"Mowing lawn, walk, power mower", 5.4938},                               // 152
        {"Music, playing a cello", 1.9966},                                       // 153
        {"Music, playing drums", 3.9928},                                         // 154
        {"Music, playing guitar", 2.9947},                                        // 155
        {"Music, playing piano", 2.4991},                                         // 156
        {"Music, playing trombone", 3.4972},                                      // 157
        {"Music, playing trumpet", 2.4991},                                       // 158
        {"Music, playing violin", 2.4991},                                        // 159
        {"Nursing, patient care", 2.9947},                                        // 160
        {"Orienteering", 8.9868},                                                 // 161
        {"Paddle boat", 3.9938},                                                  // 162
        {"Paddle ball, competitive", 9.9884},                                     // 163
        {"Paddle ball, playing", 5.9894},                                         // 164
        {"Painting", 4.4988},                                                     // 165
        {"Pistol shooting, trap shooting, range", 2.4991},                        // 166
        {"Playing pool, billiards", 2.4991},                                      // 167
        {"Police, directing traffic, standing", 2.4991},                          // 168
        {"Police, making an arrest", 3.9928},                                     // 169
        {"Polo", 7.9918},                                                         // 170
        {"Pushing a wheelchair", 3.9928},                                         // 171
        {"Pushing plane in and out of hanger", 5.9894},                           // 172
        {"Pushing stroller, walking with children", 2.4991},                      // 173
        {"Race walking", 6.4919},                                                 // 174
        {"Racquetball, competitive", 9.9884},                                     // 175
        {"Racquetball, competitive", 9.9884},                                     // 176
        {"Racquetball, playing", 6.991},                                          // 177
        {"Raking lawn", 4.2954},                                                  // 178
        {"Riding motorcycle", 2.4991},                                            // 179
        {"Riding, snow blower", 2.9947},                                          // 180
        {"Rock climbing, ascending rock", 10.9864},                               // 181
        {"Rock climbing, mountain climbing", 7.9918},                             // 182
        {"Rock climbing, rappelling", 7.9918},                                    // 183
        {"Roller blading, in-line skating", 11.9846},                             // 184
        {"Roller skating", 6.991},                                                // 185
        {"Rowing machine, light", 3.4972},                                        // 186
        {"Rowing machine, moderate", 6.991},                                      // 187
        {"Rowing machine, very vigorous", 11.9846},                               // 188
        {"Rowing machine, vigorous", 8.4916},                                     // 189
        {"Rugby", 9.9884},                                                        // 190
        {"Running, 8km/h - 7.5 min/km (5 m/h - 12 min/mile)", 7.9916},            // 191
        {"Running, 8.32 k/h - 7:12 min/km (5.2 m/h - 11.5 min/mile)", 8.9868},    // 192
        {"Running, 9.6 k/h - 6:15 min/km (6 mph - 10 min/mile)", 9.9884},         // 193
        {"Running, 10.72 k/h - 5:36 min/km (6.7 mph - 9 min/mile)", 10.9865},     // 194
        {"Running, 11.2 k/h - 5:21 min/km (7 mph - 8.5 min/mile)", 11.4863},      // 195
        {"Running, 12 k/h - 5 min/km (7.5mph - 8 min/mile)", 12.4879},            // 196
        {"Running, 12.8 k/h - 4:41 min/km (8 mph - 7.5 min/mile)", 13.4829},      // 197
        {"Running, 13.76 k/h - 4:22 min/km (8.6 mph - 7 min/mile)", 13.9812},     // 198
        {"Running, 14.4 k/h - 4:10 min/km (9 mph - 6.5 min/mile)", 14.9828},      // 199
        {"Running, 16 k/h - 3:45 min/km (10 mph - 6 min/mile)", 15.9809},         // 200
        {"Running, 17.44 k/h - 3:26 min/km (10.9 mph - 5.5 min/mile)", 17.9775},  // 201
        {"Running, cross country", 8.9868},                                       // 202
        {"Running, general", 7.9918},                                             // 203
        {"Running, on a track, team practice", 9.9884},                           // 204
        {"Running, stairs, up", 14.9828},                                         // 205
        {"Running, training, pushing wheelchair", 7.9918},                        // 206
        {"Sailing, competition", 4.9944},                                         // 207
        {"Sailing, yachting, ocean sailing", 2.9947},                             // 208
        {"Shoveling snow by hand", 5.9894},                                       // 209
        {"Shoveling, digging ditches", 8.4916},                                   // 210
        {"Shuffleboard, lawn bowling", 2.9947},                                   // 211
        {"Sit, playing with animals, light", 2.4991},                             // 212
        {"Sitting, light office work", 1.5041},                                   // 213
        {"Skateboarding", 4.9944},                                                // 214
        {"Ski machine", 6.991},                                                   // 215
        {"Ski-mobileing", 6.991},                                                 // 216
        {"Skiing, water skiing", 5.9894},                                         // 217
        {"Skin diving, fast", 15.9809},                                           // 218
        {"Skin diving, moderate", 12.4879},                                       // 219
        {"Skin diving, scuba diving", 6.991},                                     // 220
        {"Skindiving or scuba diving", 11.9846},                                  // 221
        {"Sky diving", 2.9947},                                                   // 222
        {"Sledding, tobogganing, luge", 6.991},                                   // 223
        {"Snorkeling", 4.9944},                                                   // 224
        {"Snow shoeing", 7.9918},                                                 // 225
        {"Snow skiing, downhill skiing, light", 4.9944},                          // 226
        {"Snowmobiling", 3.4972},                                                 // 227
        {"Soccer, competitive", 9.9884},                                          // 228
        {"Soccer, playing", 6.991},                                               // 229
        {"Softball or baseball", 4.9944},                                         // 230
        {"Softball, officiating", 3.9928},                                        // 231
        {"Softball, pitching", 5.9894},                                           // 232
        {"Speed skating, ice, competitive", 14.9828},                             // 233
        {"Squash", 11.9846},                                                      // 234
        {"Stair machine", 8.9868},                                                // 235
        {"Standing, bar tending, store clerk", 2.2988},                           // 236
        {"Standing, playing with children, light", 2.7971},                       // 237
        {"Stationary cycling, light", 5.4938},                                    // 238
        {"Stationary cycling, moderate", 6.991},                                  // 239
        {"Stationary cycling, very light", 2.9947},                               // 240
        {"Stationary cycling, very vigorous", 12.4879},                           // 241
        {"Stationary cycling, vigorous", 10.4882},                                // 242
        {"Steel mill, working in general", 7.9918},                               // 243
        {"Stretching, hatha yoga", 3.9928},                                       // 244
        {"Surfing, body surfing or board surfing", 2.9947},                       // 245
        {"Swimming backstroke", 6.991},                                           // 246
        {"Swimming breaststroke", 9.9884},                                        // 247
        {"Swimming butterfly", 10.9865},                                          // 248
        {"Swimming laps, freestyle, fast", 9.9884},                               // 249
        {"Swimming laps, freestyle, slow", 6.991},                                // 250
        {"Swimming leisurely, not laps", 5.9894},                                 // 251
        {"Swimming sidestroke", 7.9918},                                          // 252
        {"Swimming synchronized", 7.9918},                                        // 253
        {"Swimming, treading water, fast", 9.9884},                               // 254
        {"Swimming, treading water, moderate", 3.9928},                           // 255
        {"Table tennis, ping pong", 3.9928},                                      // 256
        {"Tae kwan do, martial arts", 9.9884},                                    // 257
        {"Tai chi", 3.9928},                                                      // 258
        {"Tailoring, general", 2.4991},                                           // 259
        {"Taking out trash", 2.9947},                                             // 260
        {"Teach exercise class (& participate)", 6.4919},                         // 261
        {"Teach physical education class", 3.9928},                               // 262
        {"Tennis playing", 6.991},                                                // 263
        {"Tennis, doubles", 5.9894},                                              // 264
        {"Tennis, singles", 7.9918},                                              // 265
        {"Track and field (high jump, pole vault)", 5.9894},                      // 266
        {"Track and field (hurdles)", 9.9884},                                    // 267
        {"Track and field (shot, discus)", 3.9928},                               // 268
        {"Trampoline", 3.4972},                                                   // 269
        {"Truck driving, loading,unloading truck", 6.4919},                       // 270
        {"Typing, computer data entry", 1.5041},                                  // 271
        {"Unicycling", 4.9944},                                                   // 272
        {"Using crutches", 4.9944},                                               // 273
        {"Volleyball playing", 2.9947},                                           // 274
        {"Volleyball, beach", 7.9918},                                            // 275
        {"Volleyball, competitive", 7.9918},                                      // 276
        {"Walk / run, playing, moderate", 3.9928},                                // 277
        {"Walk / run, playing, vigorous", 4.9944},                                // 278
        {"Walking 3.2 k/h - 18:45 min/km (2.0 m/h) , slow", 2.4991},              // 279
        {"Walking 4 k/h - 15 min/km (2.5 m/h)", 2.9947},                          // 280
        {"Walking 4.8 k/h - 12:30 min/km (3.0 m/h), moderate", 3.2969},           // 281
        {"Walking 5.6 k/h - 10:43 min/km (3.5 m/h), brisk pace", 3.7951},         // 282
        {"Walking 5.6 k/h (3.5 m/h), uphill", 5.9894},                            // 283
        {"Walking 6.4 k/h - 9:23 min/km (4.0 m/h), very brisk", 4.9944},          // 284
        {"Walking 7.2 k/h - 8:20 min/km (4.5 m/h)", 6.2916},                      // 285
        {"Walking 8 k/h - 7:30 min/km (5.0 m/h)", 7.9918},                        // 286
        {"Walking downstairs", 2.9947},                                           // 287
        {"Walking the dog", 2.9947},                                              // 288
        {"Walking, pushing a wheelchair", 3.9928},                                // 289
        {"Walking, snow blower", 3.4972},                                         // 290
        {"Walking, under 3.2 k/h (2.0 m/h), very slow", 1.9966},                  // 291
        {"Wallyball", 6.991},                                                     // 292
        {"Water aerobics", 3.9928},                                               // 293
        {"Water aerobics, water calisthenics", 3.9928},                           // 294
        {"Water jogging", 7.9918},                                                // 295
        {"Water polo", 9.9884},                                                   // 296
        {"Water volleyball", 2.9947},                                             // 297
        {"Watering lawn or garden", 1.5041},                                      // 298
        {"Weeding, cultivating garden", 4.4988},                                  // 299
        {"Weight lifting, body building, vigorous", 5.9894},                      // 300
        {"Weight lifting, light workout", 2.9947},                                // 301
        {"Whitewater rafting, kayaking, canoeing", 4.9944},                       // 302
        {"Windsurfing, sailing", 2.9947},                                         // 303
        {"Wrestling", 5.9894},                                                    // 304
        {"User Defined", 0.0},                                                    // 305
        {"User Defined", 0.0},                                                    // 306
        {"User Defined", 0.0},                                                    // 307
        {"User Defined", 0.0},                                                    // 308
        {"User Defined", 0.0},                                                    // 309
    }};
    return kEntries;
}

}  // namespace kt
