// Writes the Guangyun's Middle Chinese positions as a table the data builder
// reads: one line per character and position, tab-separated:
//   character, initial (母), openness (呼: 開/合, "-" where the rhyme has
//   none), division (等), chongniu class (類: A/B/C, "-" where none), rhyme
//   (韻, without tone), tone (聲: 平上去入), the position's description.
// usage: node dump.mjs OUTPUT
import { writeFileSync } from 'node:fs';
import TshetUinh from 'tshet-uinh';

const output = process.argv[2];
if (!output) {
  console.error('usage: node dump.mjs OUTPUT');
  process.exit(2);
}
const lines = [];
for (const position of TshetUinh.資料.iter音韻地位()) {
  const fields = [position.母, position.呼 ?? '-', position.等, position.類 ?? '-', position.韻, position.聲,
    position.描述];
  for (const entry of TshetUinh.資料.query音韻地位(position)) lines.push([entry.字頭, ...fields].join('\t'));
}
writeFileSync(output, lines.join('\n') + '\n');
