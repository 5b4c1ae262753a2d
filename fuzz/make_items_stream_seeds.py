#!/usr/bin/env python3
# Makes the seed inputs of the items_stream fuzz target: stored item trees in the property
# encoding (type byte; names as a length byte and ASCII; 32-bit little-endian integers; texts
# as a 32-bit little-endian byte count and UTF-8), good ones and a few damaged ones.
import pathlib, struct

END, INT, TEXT, FALSE, TRUE, COLL = range(6)


def name(n):
    return bytes([len(n)]) + n.encode('ascii')


def text(value):
    data = value.encode('utf-8')
    return bytes([TEXT]) + struct.pack('<I', len(data)) + data


def integer(value):
    return bytes([INT]) + struct.pack('<i', value)


def prop(n, value):
    return name(n) + value


def collection(*elements):
    return bytes([COLL]) + b''.join(e + bytes([END]) for e in elements) + bytes([END])


def element(class_name, *props):
    return prop('ClassName', text(class_name)) + b''.join(props)


def item(ident, caption=None, *more):
    props = [prop('ID', text(ident))]
    if caption is not None:
        props.append(prop('Extensions', collection(
            element('TWkDataItemTextImpl', prop('Caption', text(caption))))))
    return element('TWkBaseDataItem', *props, *more)


def items(*elements):
    return prop('Items', collection(*elements))


def sub_items(*elements):
    return prop('SubItems', collection(element('TWkDataItemsList', items(*elements))))


def tree(*props):
    return b''.join(props) + bytes([END])


images = prop('Extensions', collection(element(
    'TWkCustomDataItemsImages', prop('DisabledImages', text('ImageList2')),
    prop('HotImages', text('HotList')), prop('Images', text('ImageList1')))))
image_item = element('TWkBaseDataItem', prop('ID', text('I')), prop('Extensions', collection(
    element('TWkDataItemImageImpl', prop('ImageAlignment', integer(1)),
            prop('ImageIndex', integer(3)), prop('SelectedIndex', integer(-1))),
    element('TWkDataItemBlockableTextImpl', prop('Caption', text('blocked')),
            prop('ReadOnly', bytes([TRUE]))))))

seeds = {
    'empty.bin': tree(items()),
    'flat.bin': tree(items(item('A', 'first'), item('B', 'Ünïcode'), item('C'))),
    'nested.bin': tree(items(item('P', 'parent', sub_items(
        item('C', 'child', sub_items(item('G', 'grandchild'))), item('D'))))),
    'images.bin': tree(images, items(image_item)),
    'unknown_image_list.bin': tree(prop('Extensions', collection(element(
        'TWkCustomDataItemsImages', prop('Images', text('Nowhere'))))), items()),
    'context_text.bin': tree(items(element('TWkBaseDataItem', prop('ID', text('X')),
        prop('Extensions', collection(element('TWkDataItemContextTextImpl',
                                              prop('Caption', text('plain')))))))),
    'bad_class.bin': tree(items(element('TWkDataContext', prop('ID', text('A'))))),
    'missing_class_name.bin': tree(items(prop('ID', text('A')))),
    'not_a_collection.bin': tree(prop('Items', text('A'))),
    'bad_alignment.bin': tree(items(element('TWkBaseDataItem', prop('Extensions', collection(
        element('TWkDataItemImageImpl', prop('ImageAlignment', integer(7)))))))),
    'huge_text_length.bin': tree(items(element('TWkBaseDataItem'))) [:-3] +
        name('ID') + bytes([TEXT]) + struct.pack('<I', 0xFFFFFFF0),
    'cut.bin': tree(items(item('A', 'first'), item('B', 'second')))[:40],
}

out = pathlib.Path(__file__).resolve().parent / 'corpus' / 'items_stream'
out.mkdir(parents=True, exist_ok=True)
for file_name, data in seeds.items():
    (out / file_name).write_bytes(data)
