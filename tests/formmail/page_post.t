# A page with an e-mail form, written by tarvin-cli, filled in the way a
# browser fills it and posted to FormMail.pl: the mail holds every field.
# Usage: perl page_post.t PATH/TO/tarvin-cli PATH/TO/FormMail.pl
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use FormMailHarness;
use JSON::PP;
use Test::More;

my ($cli, $script) = @ARGV;
die "usage: $0 tarvin-cli FormMail.pl\n" unless $cli && $script;

my $handler = FormMailHarness->install($script);
my $folder = $handler->{folder};

my %page = (
    class => 'TPagelette', name => '',
    properties => {
        Page => [{ BlockType => 'btPageProperties', PagePropertiesBlock => { IndentMargin => '0' } },
                 { BlockType => 'btForms' }],
        WebForm => [
            { FieldKind => 'fkText', Name => 'Name', Strings => ['Size=30'], Text => 'Your name' },
            { FieldKind => 'fkText', Name => 'E Mail', Strings => ['Size=30'], Text => 'Your e-mail' },
            { FieldKind => 'fkText', Name => 'Phone', Strings => ['Size=20'], Text => 'Phone' },
            { FieldKind => 'fkTextArea', Name => 'Comments', Strings => ['Cols=40', 'Rows=5'], Text => "Tell\r\nus" },
            { FieldKind => 'fkRadio', Name => 'Colour', Strings => ['r|Red|Yes', 'g|Green|No', 'b|Blue|No'] },
            { FieldKind => 'fkCheckBox', Name => 'Likes', Strings => ['ice|Ice Cream|No', 'cake|Cake|Yes'] },
            { FieldKind => 'fkDropDown', Name => 'Size', Strings => ['s|Small', 'm|Medium', 'l|Large'] },
            { FieldKind => 'fkButton', Name => 'Send' },
        ],
        Email => 'owner@example.com', Subject => 'Order from the web', Redirect => '/thanks.html',
        FormTitle => 'Order', Border => JSON::PP::true, FormFooter => JSON::PP::true,
        AlphaSort => JSON::PP::true, BlankFields => JSON::PP::true,
        BrowserUsed => JSON::PP::true, HostName => JSON::PP::true, EnvReport => JSON::PP::true,
        EmailAddress => JSON::PP::true, EmailSubject => JSON::PP::true,
    },
);
FormMailHarness::write_file("$folder/page.json", encode_json(\%page));
is system($cli, 'import', "$folder/page.json", "$folder/page.tvd"), 0, 'tarvin-cli import';
my $html = `"$cli" render "$folder/page.tvd"`;
is $?, 0, 'tarvin-cli render';
my ($form) = $html =~ m{(<FORM\b.*?</FORM>)}s;
ok $form, 'the page has a form' or BAIL_OUT('no form in the page');

# What a browser sends for this form: the hidden fields as they are, text
# for every box, the last choice of each radio group and drop-down, every
# check box ticked.
my %answers = (name => 'Jo Bloggs', e_mail => 'jo@visitor.example', phone => '',
               comments => "Two lines,\r\nplease & thank you");
my (@posted, %radio_choice, $select);
while ($form =~ m{<(/?\w+)([^>]*)>}g) {
    my ($tag, %attr) = (uc $1, map { uc($_->[0]) => $_->[1] } attributes($2));
    my $type = uc($attr{TYPE} // 'TEXT');
    if ($tag eq 'INPUT' && $type eq 'HIDDEN') { push @posted, [$attr{NAME}, $attr{VALUE}] }
    elsif ($tag eq 'INPUT' && $type eq 'TEXT') { push @posted, [$attr{NAME}, $answers{ $attr{NAME} } // 'typed'] }
    elsif ($tag eq 'TEXTAREA') { push @posted, [$attr{NAME}, $answers{ $attr{NAME} } // 'typed'] }
    elsif ($tag eq 'INPUT' && $type eq 'CHECKBOX') { push @posted, [$attr{NAME}, $attr{VALUE}] }
    elsif ($tag eq 'INPUT' && $type eq 'RADIO') {
        push @posted, $radio_choice{ $attr{NAME} } = [$attr{NAME}] unless $radio_choice{ $attr{NAME} };
        $radio_choice{ $attr{NAME} }[1] = $attr{VALUE};
    }
    elsif ($tag eq 'SELECT') { push @posted, $select = [$attr{NAME}] }
    elsif ($tag eq 'OPTION' && $select) { $select->[1] = $attr{VALUE} }
    elsif ($tag eq '/SELECT') { undef $select }
}

my %is_config = map { $_ => 1 } qw(recipient subject redirect sort print_blank_fields env_report print_config);
my @visitor = grep { !$is_config{ $_->[0] } } @posted;
is_deeply [map { $_->[0] } @visitor], [qw(name e_mail phone comments colour likes_ice_cream likes_cake size)],
    'every field of the page is a form input';

my $result = $handler->post([map { @$_ } @posted], HTTP_REFERER => 'http://www.example.org/order.html',
                            REMOTE_HOST => 'visitor.example');
my $mail = $result->{mail};
ok $mail, 'the post produces a mail' or BAIL_OUT($result->{page});
is $mail->{headers}{to}, 'owner@example.com', 'sent to the page\'s address';
is $mail->{subject}, 'Order from the web', 'with the page\'s subject';
is $mail->{headers}{'reply-to'}, 'jo@visitor.example', 'answerable to the visitor';

for my $field (@visitor) {
    my ($name, $value) = @$field;
    $value =~ s/\r\n/\n  /g;
    like $mail->{body}, qr/^\Q$name: $value\E$/m, "the mail holds $name";
}
my %is_visitor = map { $_->[0] => 1 } @visitor;
my @order = grep { $is_visitor{$_} } $mail->{body} =~ /^(\w+):/mg;
is_deeply \@order, [sort map { $_->[0] } @visitor], 'in alphabetical order';
like $mail->{body}, qr/^email: jo\@visitor.example\nsubject: Order from the web$/m, 'with the sender and subject';
like $mail->{body}, qr/^HTTP_USER_AGENT: .+\nREMOTE_HOST: visitor.example\nREMOTE_ADDR: 192.0.2.7$/m,
    'with the visitor\'s details';
is $result->{headers}{location}, 'http://www.example.org/thanks.html', 'the visitor goes on to the thank-you page';

done_testing;

# The attributes of a tag as [name, value] pairs; a bare word has an empty value.
sub attributes {
    my ($text) = @_;
    my @pairs;
    push @pairs, [$1, $2 // $3 // ''] while $text =~ /(\w+)(?:="([^"]*)"|=(\S+))?/g;
    return @pairs;
}
